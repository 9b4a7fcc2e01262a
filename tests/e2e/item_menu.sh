#!/usr/bin/env bash
# The shell's own menu for an item, in the real program: a right click on an
# item opens the bar's menu headed by a submenu named after it; its Copy puts
# the file on the clipboard as a file list, its Properties opens the shell's
# property window for the file (see the screenshots).
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

root=$(fresh_root)
echo "some notes" >"$root/Notes.txt"
check "a left bar with one item starts" start_stored_bar 0 0 0
IFS=, read -r il it ir ib <<<"$(probe itemrect TOVB_Form1 0)"
ix=$(((il + ir) / 2)) iy=$(((it + ib) / 2))

two_menus() { [ "$(probe windows | grep -c 'visible=1 class=#32768')" = 2 ]; }
# Opens the bar's menu on the item, then the item's submenu (its first
# entry) with the mouse; prints the submenu's top-left corner "x y".
open_item_menu() {
  open_menu "$ix" "$iy" >&2 || return 1
  local ml mt mr mb
  IFS=, read -r ml mt mr mb <<<"$(probe info '#32768' | sed -n 's/^rect=//p')"
  sleep 0.3
  xdotool mousemove $((ml + 30)) $((mt + 11)) sleep 0.2 click 1
  # The submenu opens beside the bar's menu, level with its first entry.
  wait_until 3000 two_menus || return 1
  echo "$mr $mt"
}
# Clicks the submenu's entry at `dy` pixels below its top (Wine's item
# menu: Select, Open | Cut, Copy | Create Link, Delete, Rename | Properties).
click_entry() {
  [ -n "$1" ] || return 1  # the submenu did not open
  xdotool mousemove $(($1 + 30)) $(($2 + $3 - 12)) sleep 0.2 mousemove $(($1 + 30)) $(($2 + $3)) sleep 0.3 click 1
}

check "a right click on the item opens the item's submenu" open_item_menu >/dev/null
screenshot item-menu
xdotool key Escape Escape
probe gone '#32768' 5000

read -r sx sy <<<"$(open_item_menu)"
click_entry "$sx" "${sy:-0}" 68
check "Copy in it closes the menus" probe gone '#32768' 5000
notes_copied() { [ "$(probe clipfiles)" = "C:\\users\\$(whoami)\\AppData\\Roaming\\Ovel Launch Bar\\Notes.txt" ]; }
check "and puts the file on the clipboard as a file list" wait_until 3000 notes_copied

read -r sx sy <<<"$(open_item_menu)"
click_entry "$sx" "${sy:-0}" 150
props_up() { probe windows | grep -q 'visible=1 class=#32770 title=Properties for Notes.txt'; }
props_gone() { ! props_up; }
check "Properties in it opens the shell's property window for the file" wait_until 5000 props_up
screenshot item-properties
xdotool key Escape
check "Escape closes the property window" wait_until 5000 props_gone

# Its Rename is the bar's own: the caption is edited in place.
read -r sx sy <<<"$(open_item_menu)"
click_entry "$sx" "${sy:-0}" 125
sleep 0.6
xdotool key ctrl+a type --delay 30 "Memo.txt"
xdotool key Return
renamed() { [ -f "$root/Memo.txt" ] && [ ! -e "$root/Notes.txt" ]; }
check "Rename in it edits the caption in place and renames the file" wait_until 5000 renamed

# The Menu key on the selected item opens the same menu at the item.
xdotool mousemove "$ix" "$iy" sleep 0.2 click 1
sleep 0.3
xdotool key Menu
check "the Menu key opens the menu" probe wait '#32768' 5000
sleep 0.3
xdotool key Down Right
check "headed by the item's submenu" wait_until 3000 two_menus
screenshot item-menu-key
xdotool key Escape Escape
probe gone '#32768' 5000

# The bar's own entries stay: Exit from the item's menu ends the program.
open_menu "$ix" "$iy" && sleep 0.3 && xdotool key Up Return
wait_exit "$BAR_PID" 15
check "Exit from the menu on an item ends the program with code 0" test $? = 0
BAR_PID=""
