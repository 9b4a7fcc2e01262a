#!/usr/bin/env bash
# The real program under Wine: an item dragged with the mouse onto a folder
# item of the bar moves into that folder and leaves the list; a drag ended
# with Escape changes nothing.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

# The icon of item N of a large-icon list (75 pixels apart along the bar).
item_point() { awk -F, -v n="$1" '{ print $1 + 35, $2 + 20 + 75 * n }' <<<"$(view_of list_rect)"; }

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Games"
echo "moves" >"$root/Chess.txt"

check "the bar starts" start_bar
check "the list shows the folder and the file" wait_until 5000 view_is list_count 2

read -r gx gy <<<"$(item_point 0)"
read -r cx cy <<<"$(item_point 1)"
# The press itself selects the item; no click before it, which would make
# a double click and open the file.
xdotool mousemove "$cx" "$cy" sleep 0.1 mousedown 1 sleep 0.2
# Over the folder item when Escape is pressed: a drop there would move it.
for step in 1 2 3 4; do xdotool mousemove "$cx" "$((cy + (gy - cy) * step / 4))" sleep 0.05; done
xdotool sleep 0.2 key Escape sleep 0.2 mouseup 1
sleep 1  # time for a wrong move to happen
check "Escape ends the drag with the file where it was" test -f "$root/Chess.txt"
check "and the list still shows both" test "$(view_of list_count)" = 2

sleep 1  # well apart from the last press: not a double click
drag "$cx" "$cy" "$gx" "$gy"
check "the list was re-read" wait_until 5000 view_is list_count 1
screenshot drag-dropped
check "the dragged file moved into the folder item" test -f "$root/Games/Chess.txt"
check "and left the folder shown" test ! -e "$root/Chess.txt"

stop_bar
check "closing ends the program with code 0" test $? = 0
rm -rf "$root"
