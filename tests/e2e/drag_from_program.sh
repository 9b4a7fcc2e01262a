#!/usr/bin/env bash
# The real program under Wine: another program's window is the source of a
# real mouse drag (automatic drag mode). Resting over the lower scroll strip
# scrolls the list; the folder item under the pointer shows highlighted; the
# drop lands on an item that was out of sight when the drag began.
set -u
EXE=$1 PROBE=$2 OUT=$3
SOURCE=$(dirname "$PROBE")/olb_drag_source.exe
. "$(dirname "$0")/lib.sh"
SOURCE_PID=""
trap 'stop_bar >/dev/null 2>&1; [ -z "$SOURCE_PID" ] || kill -9 "$SOURCE_PID" 2>/dev/null; finish' EXIT

item_rect() { probe itemrect TOVB_Form1 "$1"; }
center_of() { awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }' <<<"$1"; }

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
for n in 1 2 3 4 5 6 7 8; do mkdir -p "$root/Box$n"; done
desk="$WINEPREFIX/drive_c/olb-desk"
rm -rf "$desk"
mkdir -p "$desk"
echo "payload" >"$desk/payload.txt"

check "the bar starts" start_bar
wait_until 5000 view_is list_count 8
read -r list_left list_top list_right list_bottom <<<"$(view_of list_rect | tr , ' ')"
read -r _ box8_top _ _ <<<"$(item_rect 7 | tr , ' ')"
check "the last folder is out of sight at first" test "$box8_top" -ge "$list_bottom"

wine "$SOURCE" window 'C:\olb-desk\payload.txt' </dev/null >"$OUT/drag_source.log" 2>&1 &
SOURCE_PID=$!
check "the source program shows its window" probe wait OlbDragSource 15000

# The lower strip's arrow lies just above the bar's bottom edge.
read -r _ _ _ bar_bottom <<<"$(info_of rect | tr , ' ')"
strip_x=$(((list_left + list_right) / 2))
strip_y=$((bar_bottom - 13))
echo "     list $list_left,$list_top,$list_right,$list_bottom; strip point $strip_x,$strip_y"
xdotool mousemove 680 340 sleep 0.2 mousedown 1 sleep 0.2
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((680 + (strip_x - 680) * step / 8)) $((340 + (strip_y - 340) * step / 8)) sleep 0.05
done
# Resting over the strip's arrow: the repeat timer scrolls a pitch at a time.
for _ in $(seq 20); do xdotool mousemove_relative -- 1 0 sleep 0.1 mousemove_relative -- -1 0 sleep 0.1; done
read -r bx by <<<"$(center_of "$(item_rect 7)")"
echo "     last folder now at $bx,$by"
check "the hover scrolled the last folder into the list" \
  test "$by" -gt "$list_top" -a "$by" -lt "$list_bottom"
for step in 1 2 3 4; do
  xdotool mousemove $((strip_x + (bx - strip_x) * step / 4)) $((strip_y + (by - strip_y) * step / 4)) sleep 0.1
done
check "the folder under the pointer shows drop-highlighted" \
  wait_until 3000 view_is list_drophilited 7
screenshot drag-over-highlighted-item
xdotool mouseup 1
wait_exit "$SOURCE_PID" 15
check "the source program ends after the drop" test $? = 0
SOURCE_PID=""
check "the file moved into the folder that was out of sight" \
  wait_until 5000 test -f "$root/Box8/payload.txt"
check "and left its old place" test ! -e "$desk/payload.txt"
check "the source was told of no move to finish" grep -q "result=0 effect=0" "$OUT/drag_source.log"
check "no item stays highlighted" wait_until 3000 view_is list_drophilited -1

stop_bar
check "closing ends the program with code 0" test $? = 0
rm -rf "$root" "$desk"
