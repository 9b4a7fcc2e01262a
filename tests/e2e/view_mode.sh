#!/usr/bin/env bash
# Extra large icons picked with the mouse from the bar's menu: the items
# stand a larger pitch apart, the mode is stored, and the next start shows
# it again (see the screenshots).
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

root=$(fresh_root)
for i in $(seq 1 12); do : >"$root/Item $i.txt"; done
reg_clear
reg_set_options "$(record 0 0 0)"
edge=left

# The distance from item 0 to item 1 down the left bar, in pixels.
pitch() {
  local a b
  a=$(probe itemrect TOVB_Form1 0 | cut -d, -f2)
  b=$(probe itemrect TOVB_Form1 1 | cut -d, -f2)
  echo $((b - a))
}
stored_view() {
  timeout -k 2 30 wine reg query "$options_key" /v View </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/.*REG_DWORD *//p"
}

check "a stored left bar starts" start_bar
check "it shows the twelve items" wait_until 5000 view_is list_count 12
large=$(pitch)
echo "     large icons: pitch $large, spacing $(view_of list_spacing)"
check "large icons stand one large cell apart" test "$large" -gt 40
screenshot view-large

# The menu opens at the pointer; Extra Large Icons is its second entry.
read -r x y <<<"$(title_point 200)"
check "a right click on the title strip opens the menu" open_menu "$x" "$y"
sleep 0.3
screenshot view-menu
IFS=, read -r ml mt mr mb <<<"$(probe info '#32768' | sed -n 's/^rect=//p')"
echo "     menu: $ml,$mt,$mr,$mb"
item_h=${MENU_ITEM_HEIGHT:-19}
xdotool mousemove $((ml + 40)) $((mt + 3 + item_h + item_h / 2)) sleep 0.3 click 1
check "the menu closes on the click" probe gone '#32768' 5000
sleep 0.5
extra=$(pitch)
echo "     extra large icons: pitch $extra, spacing $(view_of list_spacing)"
check "extra large icons stand 16 pixels further apart down the bar" test "$extra" -eq $((large + 16))
check "the list is cut to whole pitches" \
  test $(($(view_of list_rect | awk -F, '{ print $4 - $2 }') % extra)) -eq 0
check "the mode is stored beside the record" test "$(stored_view)" = 0x2
check "the record is unchanged" test "$(reg_options)" = "$(record 0 0 0)"
# A caption that fits under its icon is whole within the list: no tip.
read -r ix iy _ _ <<<"$(probe itemrect TOVB_Form1 2 | tr , ' ')"
xdotool mousemove $((ix + 10)) $((iy + 10)) sleep 0.3 mousemove $((ix + 12)) $((iy + 12)) sleep 1.5
check "a caption that fits shows no tip" probe gone tooltips_class32 0
screenshot view-extra-large

check "the bar closes" stop_bar
check "it starts again" start_bar
check "with its twelve items" wait_until 5000 view_is list_count 12
sleep 0.5
check "still in extra large icons" test "$(pitch)" -eq "$extra"
screenshot view-extra-large-again

check "large icons again from the menu" set_mode large
check "the large pitch is back" test "$(pitch)" -eq "$large"
check "and stored" test "$(stored_view)" = 0x0
check "the bar closes at the end" stop_bar
