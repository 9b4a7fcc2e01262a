#!/usr/bin/env bash
# Finding an item anywhere under the root with real keys: typing what no
# item of the folder shown starts with opens the find field over the list,
# which lists a shortcut two categories deep; Enter starts its program; Esc
# gives the folder shown back; a file made in the category meanwhile is
# found too. Looked at in both view modes and on the top edge (screenshots).
set -u
EXE=$1 PROBE=$2 OUT=$3
MARKER=$(dirname "$PROBE")/olb_launch_marker.exe
. "$(dirname "$0")/lib.sh"
trap 'rm -rf "$tools"; finish' EXIT

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Games/Emulators"
echo a >"$root/Item a.txt"
echo b >"$root/Games/Board.txt"
tools=$(mktemp -d /tmp/olb-find-XXXXXX)
cp "$MARKER" "$tools/marker.exe"
winroot='C:\users\'"$(whoami)"'\AppData\Roaming\Ovel Launch Bar'
probe mklink "$winroot\\Games\\Emulators\\Zephyr Tool.lnk" "Z:${tools//\//\\}\\marker.exe"
check "the shortcut two categories deep is made" test -f "$root/Games/Emulators/Zephyr Tool.lnk"

# Clicks the list's first item, which gives the list the keyboard.
focus_list() {
  local x y
  read -r x y <<<"$(view_of list_rect | awk -F, '{ print $1 + 12, $2 + 10 }')"
  xdotool mousemove "$x" "$y" click 1
  wait_until 3000 view_is list_focused 1
}
find_opens() {  # text: typed into the list
  focus_list
  xdotool type --delay 80 "$1"
  wait_until 3000 view_is find_shown 1 && wait_until 3000 view_is find_focused 1
}
folder_shown() { view_is find_shown 0 && view_is list_shown 1 && view_is list_count 2; }
back_to_folder() { folder_shown && view_is list_focused 1; }
look() {  # where
  check "$1: typing \"phyr\" opens the find field with the keyboard in it" find_opens phyr
  check "$1: it lists the one shortcut" wait_until 3000 view_is find_count 1
  screenshot "find-$1"
  xdotool key Escape
  check "$1: Esc gives the folder shown back with the keyboard" wait_until 3000 back_to_folder
}

reg_set_options "$(record 0 0 0)"  # left, large icons
edge=left
check "the bar starts" start_bar
check "it shows the root's two items" wait_until 5000 view_is list_count 2

check "typing \"phyr\" opens the find field" find_opens phyr
check "the shortcut two categories deep is listed, alone" wait_until 3000 view_is find_count 1
check "by the text readers read: its name and category" \
  view_is found_first 'Zephyr Tool, Games\Emulators'
# Its icon, fetched in the background, is drawn before its name: the
# square where it goes holds more than the selection's one colour.
icon_drawn() {
  local l t
  IFS=, read -r l t _ <<<"$(view_of found_rect)"
  screenshot find-left-large
  [ "$(convert "$OUT/find-left-large.png" -crop "16x16+$((l + 6))+$((t + 10))" -unique-colors \
    -format %w info:)" -gt 2 ]
}
check "with its icon" wait_until 3000 icon_drawn
xdotool key Return
check "Enter starts its program" wait_until 5000 test -f "$tools/marker.txt"
# The program started may have taken the keyboard.
check "the field closes and the folder shown is back" wait_until 3000 folder_shown

echo two >"$root/Games/Emulators/Zephyr Two.txt"
check "typing again opens the field" find_opens phyr
check "a file made in the category meanwhile is found too" wait_until 5000 view_is find_count 2
xdotool type --delay 80 " tw"
check "more text narrows what is listed" wait_until 3000 view_is find_count 1
xdotool key BackSpace BackSpace BackSpace
check "less widens it again" wait_until 3000 view_is find_count 2
xdotool key Escape
check "Esc closes the field; the folder shown is back" wait_until 3000 back_to_folder
rm -f "$root/Games/Emulators/Zephyr Two.txt"

check "small icons are set" set_mode small
look left-small
check "large icons are set" set_mode large
read -r x y <<<"$(title_point 300)"
drag "$x" "$y" 512 3
check "dragged to the top edge" wait_until 5000 edge_stored 1
edge=top
sleep 1
look top-large
check "small icons are set on the top edge" set_mode small
look top-small
