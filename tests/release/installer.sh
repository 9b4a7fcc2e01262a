#!/usr/bin/env bash
# The installer under Wine, in a prefix of its own made fresh for this run:
# silent install, the bar from the installed place, the Apps & Features
# entry, an upgrade over a running bar, and a silent removal that closes the
# bar and keeps the user's shortcuts and settings.
set -u
SETUP=$1 PROBE=$2 OUT=$3 STAGE=$4
export OLB_WINE_DIR="$OUT/wine"
session="$(dirname "$0")/../../scripts/wine-session"
"$session" stop 2>/dev/null || true
rm -rf "$OLB_WINE_DIR"
"$session" start >/dev/null || exit 1
EXE=""  # set once installed
. "$(dirname "$0")/../e2e/lib.sh"
trap '"$session" stop; finish' EXIT

user_dir="$WINEPREFIX/drive_c/users/$(whoami)/AppData"
inst_dir="$user_dir/Local/Programs/Ovel Launch Bar"
menu_link="$user_dir/Roaming/Microsoft/Windows/Start Menu/Programs/Ovel Launch Bar.lnk"
uninst_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ovel Launch Bar'
winpath() { timeout -k 2 30 wine winepath -w "$1" </dev/null 2>/dev/null | tr -d '\r'; }
reg_value() {  # key name -> the value's data, or nothing
  timeout -k 2 30 wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
install() { timeout -k 5 120 wine "$SETUP" /S "$@" </dev/null >>"$OUT/setup.log" 2>&1; }

check "a silent install into a fresh prefix succeeds" install /AUTOSTART=1
for f in OvelLaunchBar.exe OvelLaunchBar.CHM License.txt Uninstall.exe; do
  check "it installs $f under the user's local programs folder" test -f "$inst_dir/$f"
done
check "the installed program is the shipped one" cmp -s "$inst_dir/OvelLaunchBar.exe" "$STAGE/OvelLaunchBar.exe"
check "it adds a Start menu entry" test -f "$menu_link"
inst_win=$(winpath "$inst_dir")
echo "     installed in $inst_win"
check "Start with Windows writes the program's quoted path to the Run value" \
  test "$(reg_run_value)" = "\"$inst_win\\OvelLaunchBar.exe\""

check_entry() {  # the Apps & Features entry
  check "the entry is named Ovel Launch Bar" test "$(reg_value "$uninst_key" DisplayName)" = "Ovel Launch Bar"
  check "the entry's version is 3.6.0" test "$(reg_value "$uninst_key" DisplayVersion)" = "3.6.0"
  check "the entry's publisher is Vantrel Software" \
    test "$(reg_value "$uninst_key" Publisher)" = "Vantrel Software"
  check "the entry removes with the installed uninstaller" \
    test "$(reg_value "$uninst_key" UninstallString)" = "\"$inst_win\\Uninstall.exe\""
  check "the entry knows where it is installed" test "$(reg_value "$uninst_key" InstallLocation)" = "$inst_win"
  local kb=$(($(reg_value "$uninst_key" EstimatedSize)))
  local files_kb=$(($(cat "$inst_dir"/* | wc -c) / 1024))
  echo "     EstimatedSize $kb KB, files $files_kb KB"
  check "the entry's size is that of the installed files" test "$kb" -ge "$files_kb" -a "$kb" -le $((files_kb + 8))
}
check_entry

# The user's shortcuts already exist, so the bar skips its setup questions.
mkdir -p "$(root_folder_unix)/Games"
echo "note" >"$(root_folder_unix)/note.txt"
EXE="$inst_dir/OvelLaunchBar.exe"
check "the bar starts from the installed place" start_bar
check "it shows its root folder" test "$(probe view TOVB_Form1 | sed -n 's/^list_count=//p')" = 2
screenshot installed-bar

# An upgrade over the running bar closes it first, then replaces the files.
check "a second silent install over the first succeeds" install
check "the upgrade closed the running bar" wait_exit "$BAR_PID" 15
BAR_PID=""
check "the upgrade keeps the program in place" cmp -s "$inst_dir/OvelLaunchBar.exe" "$STAGE/OvelLaunchBar.exe"
check "the upgrade keeps Start with Windows as it was" \
  test "$(reg_run_value)" = "\"$inst_win\\OvelLaunchBar.exe\""
check_entry

# Silent removal while the bar runs: the uninstaller hands itself to a copy
# in the temporary folder and returns at once, so wait for the copy's work.
check "the bar starts again" start_bar
reg_set_options "$(record 1 0 0)"
# Its About window is up: it gives way to the removal's close request.
IFS=, read -r left top _ bottom <<<"$(info_of rect)"
open_menu $((left + 8)) $(((top + bottom) / 2)) && menu_pick_down 12
check "the bar's About window is open" probe wait TForm6 5000
timeout -k 5 60 wine "$inst_dir/Uninstall.exe" /S </dev/null >>"$OUT/setup.log" 2>&1
removed() { [ ! -e "$inst_dir" ] && [ -z "$(reg_value "$uninst_key" DisplayName)" ]; }
for _ in $(seq 300); do removed && break; sleep 0.1; done
check "a silent removal closes the running bar" wait_exit "$BAR_PID" 15
BAR_PID=""
check "it leaves no program file" test ! -e "$inst_dir"
check "it removes the Start menu entry" test ! -e "$menu_link"
check "it removes the Run value" test -z "$(reg_run_value)"
check "it removes the Apps & Features entry" \
  bash -c "! timeout -k 2 30 wine reg query '$uninst_key' </dev/null >/dev/null 2>&1"
check "it keeps the user's shortcuts" test -d "$(root_folder_unix)/Games" -a -f "$(root_folder_unix)/note.txt"
check "it keeps the stored settings" test "$(reg_options)" = "$(record 1 0 0)"
