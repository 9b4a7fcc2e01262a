#!/usr/bin/env bash
# Auto-hide in the real program: a left bar hidden at its edge comes out on
# Shift+Alt+F12 in its list, slides back in when the user works elsewhere,
# slides out when the pointer rests on its two visible pixels and back in
# when the pointer moves away.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

hidden=$left_hidden shown=$left_shown
# The root folder exists: no first-start wizard.
mkdir -p "$(root_folder_unix)"
check "a stored auto-hidden left bar starts, hidden but for two pixels" start_hidden_left_bar
screenshot autohide-hidden

xdotool key shift+alt+F12
check "Shift+Alt+F12 in its list brings it out" rect_becomes "$shown"
screenshot autohide-shown

# While the bar is the active window it stays out; the user works in
# another program. (Wine follows the pointer only over its own windows, so
# the pointer goes onto that program's window.)
hold_keyboard 10000
xdotool mousemove 730 610 sleep 0.1 mousemove 740 620
check "working elsewhere slides it back in" rect_becomes "$hidden"

xdotool mousemove 1 300 sleep 0.05 mousemove 0 300
check "resting the pointer on the edge slides it out" rect_becomes "$shown"
xdotool mousemove 730 610 sleep 0.1 mousemove 740 620
check "moving the pointer away slides it back in" rect_becomes "$hidden"
wait "$HOLDER_PID"
HOLDER_PID=""

# With the other program gone, the program's own hidden window is the active
# one: a click on the slid-out bar must not count as focus coming back from
# another of its windows, which would slide it back in under the pointer.
xdotool mousemove 1 300 sleep 0.05 mousemove 0 300
check "with the other program ended the edge still slides it out" rect_becomes "$shown"
xdotool mousemove 50 300 sleep 0.1 click 1
sleep 1.5
check "a click on the slid-out bar keeps it out" test "$(info_of rect)" = "$shown"
