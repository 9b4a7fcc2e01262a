#!/usr/bin/env bash
# The installer under Wine, in a prefix of its own made fresh for this run:
# what it refuses before writing anything, a silent install, an upgrade to a
# build of other bytes over a running bar, an upgrade and a removal that
# cannot close the bar, removals that keep or recycle the user's shortcuts,
# and the portable zip, which leaves nothing in the registry.
set -u
SETUP=$1 PROBE=$2 OUT=$3 STAGE=$4 ZIP=$5 MAKENSIS=$6 NSI=$7 ICON=$8 BITMAP=$9
export OLB_WINE_DIR="$OUT/wine"
session="$(dirname "$0")/../../scripts/wine-session"
"$session" stop 2>/dev/null || true
rm -rf "$OLB_WINE_DIR"
"$session" start >/dev/null || exit 1
EXE=""  # set once installed
. "$(dirname "$0")/../e2e/lib.sh"
trap '"$session" stop; finish' EXIT

user_dir="$WINEPREFIX/drive_c/users/$(whoami)"
inst_dir="$user_dir/AppData/Local/Programs/Ovel Launch Bar"
menu_link="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ovel Launch Bar.lnk"
uninst_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ovel Launch Bar'
winpath() { timeout -k 2 30 wine winepath -w "$1" </dev/null 2>/dev/null | tr -d '\r'; }
hash_of() { sha256sum <"$1" | cut -d' ' -f1; }

# Registry queries with their exit status: a value is read only when the
# query succeeds, and absent only when the query says so (status 1).
reg_value() {  # key name -> the value's data; fails when the query fails
  local out
  out=$(timeout -k 2 30 wine reg query "$1" /v "$2" </dev/null 2>/dev/null) || return 1
  printf '%s\n' "$out" | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
value_is() {  # key name expected
  local got
  got=$(reg_value "$1" "$2") || { echo "     $2: no value"; return 1; }
  [ "$got" = "$3" ] || { echo "     $2: '$got'"; return 1; }
}
key_absent() {  # key [name]
  local rc=0
  timeout -k 2 30 wine reg query "$1" ${2:+/v "$2"} </dev/null >/dev/null 2>&1 || rc=$?
  [ "$rc" = 1 ]
}
run_value_is() { value_is "$run_key" "Ovel Launch Bar" "$1"; }

# Runs a setup silently; its exit code is the setup's.
run_setup() {  # setup args...
  local setup=$1
  shift
  timeout -k 5 120 wine "$setup" /S "$@" </dev/null >>"$OUT/setup.log" 2>&1
}
exits_with() {  # code command...
  local want=$1 rc=0
  shift
  "$@" || rc=$?
  [ "$rc" = "$want" ] || { echo "     exit code $rc"; return 1; }
}
nothing_installed() {
  [ ! -e "$inst_dir" ] && [ ! -e "$menu_link" ] && key_absent "$uninst_key"
}

# A second build with other bytes and the next version, for the upgrades:
# data after the program's image changes its bytes but not how it runs.
stage2="$OUT/stage-3.6.1"
setup2="$OUT/setup-3.6.1.exe"
rm -rf "$stage2" && cp -r "$STAGE" "$stage2" && printf 'another build' >>"$stage2/OvelLaunchBar.exe"
check "a second build of other bytes is packaged" \
  "$MAKENSIS" -V1 -DVERSION=3.6.1 -DSTAGE="$stage2" -DICON="$ICON" -DBITMAP="$BITMAP" \
  -DOUTFILE="$setup2" "$NSI"
old_hash=$(hash_of "$STAGE/OvelLaunchBar.exe")
new_hash=$(hash_of "$stage2/OvelLaunchBar.exe")

# Refused before anything is written.
check "an /AUTOSTART value other than 0 or 1 is refused" exits_with 2 run_setup "$SETUP" /AUTOSTART=yes
check "and installs nothing" nothing_installed
# A folder of the prefix's own (the prefix's Documents is the Linux home).
docs="$WINEPREFIX/drive_c/Papers"
mkdir -p "$docs" && echo "the user's own licence" >"$docs/License.txt"
docs_hash=$(hash_of "$docs/License.txt")
check "a folder holding the user's files is refused" \
  exits_with 2 run_setup "$SETUP" "/D=$(winpath "$docs")"
check "the user's file of our name is unchanged" test "$(hash_of "$docs/License.txt")" = "$docs_hash"
check "nothing of ours is put beside it" \
  test ! -e "$docs/Uninstall.exe" -a ! -e "$docs/OvelLaunchBar.exe" -a ! -e "$menu_link"
check "and Apps & Features has no entry" key_absent "$uninst_key"
long="C:\\$(printf 'a%.0s' $(seq 120))\\$(printf 'b%.0s' $(seq 125))"
check "a folder path over 240 characters is refused" exits_with 2 run_setup "$SETUP" "/D=$long"
check "before it makes the folder or the Start menu entry" \
  test ! -e "$WINEPREFIX/drive_c/$(printf 'a%.0s' $(seq 120))" -a ! -e "$menu_link"

check "a silent install into a fresh prefix succeeds" exits_with 0 run_setup "$SETUP" /AUTOSTART=1
for f in OvelLaunchBar.exe OvelLaunchBar.CHM License.txt Uninstall.exe; do
  check "it installs $f under the user's local programs folder" test -f "$inst_dir/$f"
done
check "the installed program is the shipped one" test "$(hash_of "$inst_dir/OvelLaunchBar.exe")" = "$old_hash"
check "it adds a Start menu entry" test -f "$menu_link"
inst_win=$(winpath "$inst_dir")
echo "     installed in $inst_win"
check "it lists what it wrote, the Start menu entry included" \
  bash -c "iconv -f UTF-16 -t UTF-8 '$inst_dir/Uninstall.lst' | tr -d '\r' | grep -c . | grep -qx 5"
check "Start with Windows writes the program's quoted path to the Run value" \
  run_value_is "\"$inst_win\\OvelLaunchBar.exe\""
icon=$(probe firsticon "$inst_win\\OvelLaunchBar.exe")
check "the program's first icon group, the one the shell shows, is its own (${icon:-none})" \
  test "$icon" = MAINICON

check_entry() {  # version: the Apps & Features entry
  check "the entry is named Ovel Launch Bar" value_is "$uninst_key" DisplayName "Ovel Launch Bar"
  check "the entry's version is $1" value_is "$uninst_key" DisplayVersion "$1"
  check "the entry's publisher is Vantrel Software" value_is "$uninst_key" Publisher "Vantrel Software"
  check "the entry removes with the installed uninstaller" \
    value_is "$uninst_key" UninstallString "\"$inst_win\\Uninstall.exe\""
  check "the entry knows where it is installed" value_is "$uninst_key" InstallLocation "$inst_win"
  local kb files_kb
  kb=$(($(reg_value "$uninst_key" EstimatedSize)))
  files_kb=$(($(cat "$inst_dir"/* | wc -c) / 1024))
  echo "     EstimatedSize $kb KB, files $files_kb KB"
  check "the entry's size is that of the installed files" test "$kb" -ge "$files_kb" -a "$kb" -le $((files_kb + 8))
}
check_entry 3.6.0

check "an unknown /AUTOSTART value is refused on an upgrade too" \
  exits_with 2 run_setup "$SETUP" /AUTOSTART=01
check "and leaves the Run value as it was" run_value_is "\"$inst_win\\OvelLaunchBar.exe\""

# The user's shortcuts already exist, so the bar skips its setup questions.
root=$(root_folder_unix)
mkdir -p "$root/Games"
echo "note" >"$root/note.txt"
EXE="$inst_dir/OvelLaunchBar.exe"
check "the bar starts from the installed place" start_bar
view=$(probe view TOVB_Form1)
check "it shows its root folder" test "$(sed -n 's/^list_count=//p' <<<"$view")" = 2
screenshot installed-bar

# An upgrade to another build over the running bar closes it, replaces the
# program and starts the bar again.
check "an upgrade to 3.6.1 over the running bar succeeds" exits_with 0 run_setup "$setup2"
check "the upgrade closed the running bar" wait_exit "$BAR_PID" 15
BAR_PID=""
check "the upgrade replaced the program with the new build" \
  test "$(hash_of "$inst_dir/OvelLaunchBar.exe")" = "$new_hash"
check "the upgrade keeps Start with Windows as it was" \
  run_value_is "\"$inst_win\\OvelLaunchBar.exe\""
check_entry 3.6.1
check "the upgrade started the bar again" probe wait TOVB_Form1 15000

# While the bar asks to confirm a delete it cannot close: an upgrade or a
# removal then fails and changes nothing.
read -r x y _ _ <<<"$(probe itemrect TOVB_Form1 0 | tr , ' ')"
xdotool mousemove $((x + 5)) $((y + 5)) click 1
# Below the item's own shell submenu, which heads the menu opened on an item.
open_menu $((x + 5)) $((y + 5)) && menu_pick Delete1 item
check "Delete asks to confirm" delete_question_up
check "an upgrade during the question fails" exits_with 3 run_setup "$SETUP"
check "and keeps the program of the installed build" \
  test "$(hash_of "$inst_dir/OvelLaunchBar.exe")" = "$new_hash"
check "and Apps & Features still shows the installed version" value_is "$uninst_key" DisplayVersion 3.6.1
# The uninstaller in its own folder ("_?=", the rest of the command line
# unquoted), so that its exit code is the removal's.
printf '@"%s\\Uninstall.exe" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' "$inst_win" "$inst_win" \
  >"$WINEPREFIX/drive_c/uninstall.bat"
uninstall_here() { timeout -k 5 120 wine cmd /c 'C:\uninstall.bat' </dev/null >>"$OUT/setup.log" 2>&1; }
check "a removal during the question fails" exits_with 3 uninstall_here
check "and removes nothing" \
  test -f "$inst_dir/OvelLaunchBar.exe" -a -f "$inst_dir/Uninstall.exe" -a -f "$menu_link"
check "its Apps & Features entry stays" value_is "$uninst_key" DisplayName "Ovel Launch Bar"
check "the question is still up" probe wait '#32770' 0
probe command '#32770' 7 >/dev/null  # No: the bar then ends as it was asked to
check "once answered, the bar closes" probe gone TOVB_Form1 15000
check "the installed program still starts" start_bar
check "the shortcuts are all there" test -d "$root/Games" -a -f "$root/note.txt"

# Silent removal while the bar runs: the uninstaller hands itself to a copy
# in the temporary folder and returns at once, so wait for the copy's work.
reg_set_options "$(record 1 0 0)"
# Its About window is up: it gives way to the removal's close request.
IFS=, read -r left top _ bottom <<<"$(info_of rect)"
open_menu $((left + 8)) $(((top + bottom) / 2)) && menu_pick About1
check "the bar's About window is open" probe wait TForm6 5000
timeout -k 5 60 wine "$inst_dir/Uninstall.exe" /S </dev/null >>"$OUT/setup.log" 2>&1
removed() { [ ! -e "$inst_dir" ] && key_absent "$uninst_key"; }
for _ in $(seq 300); do removed && break; sleep 0.1; done
check "a silent removal closes the running bar" wait_exit "$BAR_PID" 15
BAR_PID=""
check "it leaves no program file" test ! -e "$inst_dir"
check "it removes the Start menu entry" test ! -e "$menu_link"
check "it removes the Run value" key_absent "$run_key" "Ovel Launch Bar"
check "it removes the Apps & Features entry" key_absent "$uninst_key"
check "it keeps the user's shortcuts" test -d "$root/Games" -a -f "$root/note.txt"
check "it keeps the stored settings" test "$(reg_options)" = "$(record 1 0 0)"

# The removal's question: the shortcuts folder, with a document, a
# shortcut and a link to a folder outside, goes to the Recycle Bin on Yes;
# the link's target is not touched.
check "the program installs again" exits_with 0 run_setup "$SETUP" /AUTOSTART=0
echo "a document" >"$root/Games/letter.txt"
check "a shortcut is in the shortcuts folder" \
  probe mklink "$(winpath "$root")\\Setup.lnk" "$(winpath "$inst_dir")\\License.txt"
outside="$user_dir/Outside"
mkdir -p "$outside/inner" && echo "kept" >"$outside/inner/kept.txt"
ln -s "$outside" "$root/Linked"
outside_hash=$(hash_of "$outside/inner/kept.txt")
wine "$inst_dir/Uninstall.exe" </dev/null >>"$OUT/setup.log" 2>&1 &
check "the uninstaller asks to confirm" probe wait '#32770' 15000
sleep 0.5
screenshot uninstall-confirm
probe command '#32770' 1 >/dev/null  # Uninstall
question_up() { probe text '#32770' 65535 >/dev/null; }
check "it asks about the shortcuts folder" wait_until 30000 question_up
question=$(probe text '#32770' 65535)
echo "$question" | sed 's/^/     /'
screenshot uninstall-question
check "the question names the folder's files and folders and the Recycle Bin" \
  grep -q "holds 3 files and 2 folders" <<<"$question"
probe command '#32770' 6 >/dev/null  # Yes
check "the shortcuts folder goes" wait_until 30000 test ! -e "$root"
sleep 0.5
screenshot uninstall-done
probe command '#32770' 1 >/dev/null  # Close
trash="$XDG_DATA_HOME/Trash/files/Ovel Launch Bar"
check "the document is in the Recycle Bin" test -f "$trash/Games/letter.txt"
check "and the shortcut" test -f "$trash/Setup.lnk"
check "the link's target folder and its contents are untouched" \
  test "$(hash_of "$outside/inner/kept.txt")" = "$outside_hash"
check "the settings went with it" key_absent "$options_key"

# The portable zip, unpacked and started: everything stays beside it.
portable="$user_dir/Stick"
rm -rf "$portable" && mkdir -p "$portable"
unzip -q "$ZIP" -d "$portable"
EXE="$portable/OvelLaunchBar.exe"
wine "$EXE" </dev/null >"$OUT/bar.log" 2>&1 &
BAR_PID=$!
check "the portable program's first start asks its setup questions" answer_wizard
check "and the bar shows" probe wait TOVB_Form1 15000
check "its shortcuts folder is beside it" test -d "$portable/Ovel Launch Bar/Games"
check "not in the user's application data" test ! -e "$root"
check "its settings are a file beside it" test "$(head -c 7 "$portable/Settings.dat")" = OLBVALS
check "holding the record" grep -qa Options "$portable/Settings.dat"
edge=float
check "small icons are chosen from its menu" set_mode small
stop_bar
check "the view is kept in the file too" grep -qa View "$portable/Settings.dat"
wine "$EXE" </dev/null >"$OUT/bar.log" 2>&1 &
BAR_PID=$!
check "started again, the bar shows" probe wait TOVB_Form1 15000
check "in small icons" test $((0x$(view_of list_style) & 3)) -eq 2
stop_bar
check "nothing of it is in the registry" key_absent "$options_key"
check "nor does it start with Windows" key_absent "$run_key" "Ovel Launch Bar"
