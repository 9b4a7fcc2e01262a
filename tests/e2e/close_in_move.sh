#!/usr/bin/env bash
# A close request that arrives while the mouse holds the bar in the system's
# move loop: the window goes, and the process ends with code 0 rather than
# waiting for a quit message the move loop took. One that arrives while the
# shell asks to confirm a delete waits for the user's answer.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

mkdir -p "$(root_folder_unix)"
reg_set_options "$(record 0 0 0)"
check "a stored left bar starts" start_bar

xdotool mousemove 10 400 sleep 0.1 mousedown 1 sleep 0.2
for y in 380 360 340 320; do xdotool mousemove 60 "$y" sleep 0.05; done
probe close TOVB_Form1 >/dev/null
xdotool sleep 0.3 mousemove 80 300 sleep 0.2 mouseup 1
rc=0
wait_exit "$BAR_PID" 15 || rc=$?
check "the process ends with code 0" test "$rc" = 0
[ "$rc" = 124 ] && kill -9 "$BAR_PID" 2>/dev/null
BAR_PID=""
check "the record keeps its edge" test "$(stored_edge)" = 0

root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Keep me"
check "the bar starts again" start_bar
read -r x y _ _ <<<"$(probe itemrect TOVB_Form1 0 | tr , ' ')"
xdotool mousemove $((x + 5)) $((y + 5)) click 1
# The item's own shell submenu heads the menu opened on an item.
open_menu $((x + 5)) $((y + 5)) && menu_pick Delete1 item
# Only a box of the bar's own process counts: a crash report is a dialog
# box too.
check "Delete asks to confirm, in the bar's own process" delete_question_up
probe close TOVB_Form1 >/dev/null
sleep 1
check "a close request leaves the question up" probe question TOVB_Form1 100
check "and the folder in place" test -d "$root/Keep me"
probe answer TOVB_Form1 7 >/dev/null  # No
rc=0
wait_exit "$BAR_PID" 15 || rc=$?
check "after the answer the bar closes with code 0" test "$rc" = 0
[ "$rc" = 124 ] && kill -9 "$BAR_PID" 2>/dev/null
BAR_PID=""
check "the folder the user kept is there" test -d "$root/Keep me"
rm -rf "$root"
