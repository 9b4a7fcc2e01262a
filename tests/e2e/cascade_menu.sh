#!/usr/bin/env bash
# Categories opened as menus, with real mouse and keys: switched on from the
# bar's menu, a click on a category opens its items as a menu; Down, Right
# and Enter start a shortcut in a subfolder with the shortcut's arguments;
# Escape closes the menus one level at a time and the bar stays as it was.
set -u
EXE=$1 PROBE=$2 OUT=$3
MARKER_DIR=$(dirname "$PROBE")
. "$(dirname "$0")/lib.sh"
trap finish EXIT

menus() { probe windows | grep -c 'visible=1 class=#32768'; }
menus_are() { [ "$(menus)" = "$1" ]; }
category_menus_value() {
  timeout -k 2 30 wine reg query "$options_key" /v CategoryMenus </dev/null 2>/dev/null |
    tr -d '\r' | sed -n 's/.*REG_DWORD *//p'
}

# Clicks the category until its menu is up: right after a menu closes, Wine
# may drop a click that follows too soon.
open_category() {
  for _ in 1 2 3; do
    xdotool mousemove $(((il + ir) / 2)) $(((it + ib) / 2)) sleep 0.2 click 1
    probe wait '#32768' 2000 && sleep 0.5 && return 0
  done
  return 1
}

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Apps/Sub" "$root/Apps/Zeta"
echo notes >"$root/Apps/A note with a rather long name that a menu must not show whole, cut.txt"
rm -f "$MARKER_DIR/marker.txt"
marker=$(winepath -w "$MARKER_DIR/olb_launch_marker.exe" 2>/dev/null)
winroot='C:\users\'"$(whoami)"'\AppData\Roaming\Ovel Launch Bar'
check "a shortcut with arguments is made in the subfolder" \
  probe mklink "$winroot\\Apps\\Sub\\Marker.lnk" "$marker" '--from-menu "two words"'
for i in $(seq 1 30); do echo "$i" >"$root/Apps/Zeta/File $i.txt"; done

reg_set_options "$(record 0 0 0)"  # left, large icons
check "the bar starts" start_bar
edge=left
read -r tx ty <<<"$(title_point 200)"
open_menu "$tx" "$ty" && menu_pick OpenCategoriesasMenus1
check "Open Categories as Menus is stored on" wait_until 3000 test "$(category_menus_value)" = 0x1
sleep 0.5
open_menu "$tx" "$ty" && sleep 0.5 && screenshot cascade-option-checked
xdotool key Escape
probe gone '#32768' 5000

before_rect=$(info_of rect) before_captions=$(probe captions TOVB_Form1)
IFS=, read -r il it ir ib <<<"$(probe itemrect TOVB_Form1 0)"
check "a click on the category opens a menu" open_category
check "with the bar as the foreground window, for its keys" wait_until 3000 info_is foreground 1
xdotool key Down Right
check "Down and Right open the subfolder's menu" wait_until 3000 menus_are 2
screenshot cascade-menu
xdotool key Return
check "Enter closes the menus" probe gone '#32768' 5000
started() { [ -s "$MARKER_DIR/marker.txt" ]; }
check "and starts the shortcut's program" wait_until 10000 started
check "with the shortcut's arguments" grep -q -- '--from-menu "two words"' "$MARKER_DIR/marker.txt"

open_category
check "the bar is the foreground window again, for the menu's keys" wait_until 3000 info_is foreground 1
xdotool key Down Down Right
check "the other subfolder opens too" wait_until 3000 menus_are 2
screenshot cascade-menu-files
xdotool key Escape
check "Escape closes one level" wait_until 3000 menus_are 1
xdotool key Escape
check "a second Escape closes the menu" probe gone '#32768' 5000
check "the bar keeps its place" test "$(info_of rect)" = "$before_rect"
check "and shows the folder it showed" test "$(probe captions TOVB_Form1)" = "$before_captions"
