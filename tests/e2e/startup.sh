#!/usr/bin/env bash
# The real program under Wine: first start, its windows, single instance,
# closing, and the stored record across runs.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

reg_clear
rm -rf "$(root_folder_unix)"
reg_add_run_key
timeout -k 2 30 wine reg delete "$run_key" /v "Ovel Launch Bar" /f </dev/null >/dev/null 2>&1

# A first start: the wizard comes up while the bar stays hidden.
wine "$EXE" </dev/null >"$OUT/bar.log" 2>&1 &
BAR_PID=$!
check "a first start shows the settings wizard" probe wait TForm6 15000
wizard=$(probe info TForm6)
check "the wizard's caption is the settings one" \
  test "$(sed -n 's/^caption=//p' <<<"$wizard")" = "Ovel Launch Bar: Settings"
check "the bar stays hidden while the wizard is up" test "$(info_of visible)" = 0
timeout -k 2 30 wine "$EXE" </dev/null >"$OUT/second.log" 2>&1
check "a second start meanwhile leaves the wizard in the foreground" \
  test "$(probe info TForm6 | sed -n 's/^foreground=//p')" = 1
screenshot wizard
check "the wizard's three pages are answered" answer_wizard
check "after the wizard the bar shows" probe wait TOVB_Form1 15000
check "the wizard is gone" probe gone TForm6 0
for category in Games Graphics Internet Multimedia System; do
  check "the wizard made the category folder $category" test -d "$(root_folder_unix)/$category"
done
check "the bar lists the five category folders" \
  test "$(probe view TOVB_Form1 | sed -n 's/^list_count=//p')" = 5
# Absent by the query's own answer (status 1), not by an empty output.
run_value_absent() {
  timeout -k 2 30 wine reg query "$run_key" /v "Ovel Launch Bar" </dev/null >/dev/null 2>&1
  [ $? = 1 ]
}
check "accepting the wizard's defaults adds no start with Windows" run_value_absent
info=$(probe info TOVB_Form1)
echo "$info" | sed 's/^/     /'
field() { sed -n "s/^$1=//p" <<<"$info"; }
check "the bar window has an empty caption" grep -qx "caption=" <<<"$info"
check "the bar is visible" test "$(field visible)" = 1
check "it is owned by the application window" test "$(field owner_class)" = TApplication
check "the application window is a tool window" test "$(field owner_toolwindow)" = 1
check "no window of the program gets a taskbar button" test "$(field taskbar_windows)" = 0
check "a first start floats at the designed place, 100 wide" \
  bash -c "[[ '$(field rect)' == 277,204,377,* ]]"
check "the first start created the root folder" test -d "$(root_folder_unix)"
check "the wizard stored its answers (AutoHide on, Always on Top off)" \
  test "$(reg_options | cut -c17-32)" = 0100000000000000
screenshot startup

t0=$(date +%s%N)
timeout -k 2 30 wine "$EXE" </dev/null >"$OUT/second.log" 2>&1
second_rc=$?
elapsed_ms=$((($(date +%s%N) - t0) / 1000000))
echo "     second start took ${elapsed_ms} ms"
check "a second start exits with code 0" test "$second_rc" = 0
check "a second start ends within a few seconds" test "$elapsed_ms" -lt 5000
check "the first copy keeps running" kill -0 "$BAR_PID"

# A record written behind the bar's back survives its exit untouched.
top_bar=30000000010000000000000000000000640000002800000064000000640000000a00000014000000c80000002c010000
reg_set_options "$top_bar"
stop_bar
check "closing ends the program with code 0" test $? = 0
check "exit leaves the stored record as it was" test "$(reg_options)" = "$top_bar"

check "the bar starts again" start_bar
check "a second start shows no wizard" probe gone TForm6 0
check "a stored top bar comes up at the top edge, 40 high" \
  test "$(info_of rect)" = "0,0,1024,40"
screenshot top-bar
stop_bar
check "the second run ends with code 0" test $? = 0

# A root folder that cannot be made (a file of that name is in the way): the
# error is shown in the program's message box and the bar never comes up.
rm -rf "$(root_folder_unix)"
echo "not a folder" >"$(root_folder_unix)"
check "no bar is left running before the blocked start" probe gone TOVB_Form1 5000
wine "$EXE" </dev/null >"$OUT/blocked.log" 2>&1 &
blocked=$!
message=$(probe dismiss "Ovel Launch Bar" 15000)
echo "     message: $message"
check "an unusable root folder is reported in a message box" test -n "$message"
wait_exit "$blocked" 15
check "after the message the program ends with code 0" test $? = 0
check "the bar never came up" probe gone TOVB_Form1 0
rm -f "$(root_folder_unix)"

# A root folder whose path passes 260 characters cannot be shown: the
# message naming it wraps, and its box stays on the screen.
folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer'
set_appdata() {  # "User Shell Folders" value, "Shell Folders" value
  timeout -k 2 30 wine reg add "$folders\\User Shell Folders" /v AppData /t REG_EXPAND_SZ /d "$1" /f \
    </dev/null >/dev/null 2>&1
  timeout -k 2 30 wine reg add "$folders\\Shell Folders" /v AppData /d "$2" /f </dev/null >/dev/null 2>&1
}
appdata_windows=$(timeout -k 2 30 wine winepath -w "$(appdata_unix)" </dev/null 2>/dev/null | tr -d '\r')
# The application-data folder itself stays below 260 characters (the system
# ignores a longer one); the root folder inside it passes that.
run=$(printf 'a%.0s' $(seq 60))
deep="deep\\${run}1\\${run}2\\${run}3\\"
deep="$deep${run:0:$((248 - ${#appdata_windows} - ${#deep} - 2))}4"
mkdir -p "$(appdata_unix)/$(echo "$deep" | tr '\\' /)/Ovel Launch Bar"
set_appdata "$appdata_windows\\$deep" "$appdata_windows\\$deep"
wine "$EXE" </dev/null >"$OUT/deep.log" 2>&1 &
BAR_PID=$!
probe wait '#32770' 15000 >/dev/null
box=$(probe info '#32770' | sed -n 's/^rect=//p')
IFS=, read -r box_left _ box_right _ <<<"$box"
echo "     message box: $box"
screenshot long-root-message
check "a root past 260 characters is reported in a box that fits the screen" \
  test -n "$box" -a "${box_left:--1}" -ge 0 -a "${box_right:-9999}" -le 1024
probe dismiss "Ovel Launch Bar" 5000 >/dev/null
stop_bar
set_appdata '%USERPROFILE%\AppData\Roaming' "$appdata_windows"
rm -rf "$(appdata_unix)/deep"
