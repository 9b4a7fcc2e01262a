#!/usr/bin/env bash
# The real program under Wine shows its root folder's categories and
# shortcuts with their icons, opens a category on a double click, and goes
# back up with the Up button.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

# The middle of the first item of a large-icon list: its icon.
first_item_point() { awk -F, '{ print $1 + 35, $2 + 20 }' <<<"$(view_of list_rect)"; }
centre_of() { awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }' <<<"$(view_of "$1")"; }

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Games" "$root/Internet"
echo "moves" >"$root/Games/Chess.txt"
windows_root='C:\users\'"$(whoami)"'\AppData\Roaming\Ovel Launch Bar'
setup probe mklink "$windows_root\\Notepad.lnk" 'C:\windows\system32\notepad.exe'
setup probe mklink "$windows_root\\Wine Config.lnk" 'C:\windows\system32\winecfg.exe'

check "the bar starts" start_bar
check "the list shows the root's four items" wait_until 5000 view_is list_count 4
captions=$(probe captions TOVB_Form1)
check "the bar reads its captions" test $? = 0
echo "     captions: $(tr '\n' '|' <<<"$captions")"
check "folders first, then the shortcuts by name without .lnk" \
  test "$(tr '\n' '|' <<<"$captions")" = "Games|Internet|Notepad|Wine Config|"
check "Up is disabled at the root" test "$(view_of up_enabled)" = 0
check "the list has no scroll bars" \
  bash -c "(( (0x$(view_of list_style) & 0x300000) == 0 ))"
screenshot folder-root

read -r x y <<<"$(first_item_point)"
xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
check "a double click on the first category opens it" wait_until 5000 view_is list_count 1
check "Up is enabled below the root" test "$(view_of up_enabled)" = 1
screenshot folder-games

# A press on the empty part of the list moves the bar like its grip does.
before=$(info_of rect)
read -r x y <<<"$(first_item_point)"
y=$((y + 150))
xdotool mousemove "$x" "$y" mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove "$((x + 20 * step))" "$y"; sleep 0.05; done
xdotool mouseup 1
moved_left() { [ "$(info_of rect | cut -d, -f1)" = "$1" ]; }
wait_until 3000 moved_left "$(($(cut -d, -f1 <<<"$before") + 100))"
after=$(info_of rect)
echo "     bar moved from $before to $after"
check "dragging the list's empty part moves the bar 100 pixels" \
  test "$(cut -d, -f1 <<<"$after")" = "$(($(cut -d, -f1 <<<"$before") + 100))"
check "the folder shown stays" test "$(view_of list_count)" = 1

# A right click on the list opens the bar's menu there.
read -r x y <<<"$(first_item_point)"
xdotool mousemove "$x" "$((y + 150))" click 3
check "a right click on the list opens the menu" probe wait '#32768' 3000
screenshot folder-menu
xdotool key Escape
check "Escape closes the menu" probe gone '#32768' 3000

read -r x y <<<"$(centre_of up_rect)"
xdotool mousemove "$x" "$y" click 1
check "Up returns to the root" wait_until 5000 view_is list_count 4
check "Up is disabled again at the root" test "$(view_of up_enabled)" = 0

# A category deleted outside the bar and opened before the bar has read the
# change is named in a message, and the root is read again without it.
read -r x y <<<"$(first_item_point)"
xdotool mousemove "$x" "$y" click 1
sleep 0.3
mv "$root/Games" "$OUT/Games-moved-away"
xdotool click --repeat 2 --delay 80 1
gone_named() { probe wait '#32770' 0 && probe text '#32770' 65535 | grep -q '"Games" was removed'; }
check "opening a category deleted outside names it" wait_until 5000 gone_named
# The double click's last press came to the bar while the message was up.
check "the message stays in front of the bar" test "$(info_of foreground)" = 0
screenshot folder-gone
probe dismiss "Ovel Launch Bar" 2000 >/dev/null
check "the root is shown without it" wait_until 5000 view_is list_count 3
check "Up stays disabled" test "$(view_of up_enabled)" = 0
rm -rf "$OUT/Games-moved-away"

stop_bar
check "closing ends the program with code 0" test $? = 0
rm -rf "$root"
