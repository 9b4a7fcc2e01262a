#!/usr/bin/env bash
# The real program under Wine through two rounds of a working day: open two
# categories and go back up, drop a file onto a folder item from another
# program, rename that folder, switch to small icons and back. The bar's
# handles, GDI objects, USER objects and private memory after round 2 stay
# within a small tolerance of their counts after round 1 (which also pays
# for everything done once: caches, libraries, the menu's first build).
# Under Wine, which counts no GUI resources, the probe counts the GDI handle
# table and the windows instead (it says so in the log).
set -u
EXE=$1 PROBE=$2 OUT=$3
SOURCE=$(dirname "$PROBE")/olb_drag_source.exe
. "$(dirname "$0")/lib.sh"
trap finish EXIT

# Tolerances between the rounds: a handle or object or two may come and go
# with Wine's own timing; private memory may move by a heap page or so.
HANDLES_TOLERANCE=2
OBJECTS_TOLERANCE=2
PRIVATE_TOLERANCE_KB=128

middle() { awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }' <<<"$1"; }
item_point() { middle "$(probe itemrect TOVB_Form1 "$1")"; }
# A point of the list's empty part, below its last item.
empty_point() { awk -F, '{ print int(($1 + $3) / 2), $4 - 20 }' <<<"$(view_of list_rect)"; }

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Games" "$root/Internet" "$root/Misc"
for n in 1 2 3; do echo "game $n" >"$root/Games/game $n.txt"; done
for n in 1 2; do echo "site $n" >"$root/Internet/site $n.txt"; done
echo notes >"$root/Notes.txt"
echo plan >"$root/Plan.txt"
desk="$WINEPREFIX/drive_c/olb-desk"
rm -rf "$desk"
mkdir -p "$desk"

open_and_up() {  # row count-inside
  local x y
  read -r x y <<<"$(item_point "$1")"
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
  wait_until 5000 view_is list_count "$2" || return 1
  read -r x y <<<"$(middle "$(view_of up_rect)")"
  xdotool mousemove "$x" "$y" click 1
  wait_until 5000 view_is list_count 5 || return 1
  sleep 0.6  # the next click is no double click
}

drop_into_misc() {  # round
  local x y
  echo "round $1" >"$desk/r$1.txt"
  read -r x y <<<"$(item_point 2)"
  timeout -k 2 30 wine "$SOURCE" drop "$x" "$y" none 2 "C:\\olb-desk\\r$1.txt" </dev/null \
    >"$OUT/long_day_source.log" 2>&1 || return 1
  wait_until 5000 test -f "$folder/r$1.txt" -a ! -e "$desk/r$1.txt"
}

rename_misc() {  # new-name
  local x y
  read -r x y <<<"$(item_point 2)"
  xdotool mousemove "$x" "$y" click 1 sleep 0.6 key F2 sleep 0.5
  xdotool key ctrl+a type --delay 30 "$1"
  xdotool key Return
  wait_until 5000 test -d "$root/$1" || return 1
  folder="$root/$1"
  sleep 0.6
}

view_mode() {  # LargeIcons1 or SmallIcons1
  local x y
  read -r x y <<<"$(empty_point)"
  open_menu "$x" "$y" && menu_pick "$1" && probe gone '#32768' 3000
}

# Docked at the left edge: the list runs the screen's height, with room
# below its items.
reg_set_options "$(record 0 0 0)"
check "the bar starts" start_bar
check "it shows the five items of the root" wait_until 5000 view_is list_count 5
folder="$root/Misc"
names=("Misc" "Misc two")
# Each round goes through the day three times, so that one object kept per
# pass shows as more than the tolerance.
for round in 1 2; do
  for pass in $((round * 3 - 2)) $((round * 3 - 1)) $((round * 3)); do
    check "pass $pass: Games opens and Up comes back" open_and_up 0 3
    check "pass $pass: Internet opens and Up comes back" open_and_up 1 2
    check "pass $pass: a file dropped onto Misc moves into it" drop_into_misc "$pass"
    check "pass $pass: the folder is renamed in place" rename_misc "${names[pass % 2]}"
    check "pass $pass: small icons" view_mode SmallIcons1
    check "pass $pass: large icons again" view_mode LargeIcons1
    check "pass $pass: the list still shows five items" wait_until 3000 view_is list_count 5
  done
  sleep 2  # icons fetched, timers settled
  probe resources TOVB_Form1 >"$OUT/long_day_round$round.txt"
  echo "     after round $round: $(tr '\n' ' ' <"$OUT/long_day_round$round.txt")"
done
screenshot long-day
check "nothing was lost on the way" test "$(ls "$root/Misc" | wc -l)" = 6 \
  -a "$(find "$root" -type f | wc -l)" = 13

value() { sed -n "s/^$2=//p" "$OUT/long_day_round$1.txt"; }
level() {  # key tolerance
  local a b
  a=$(value 1 "$1") b=$(value 2 "$1")
  [ -n "$a" ] && [ -n "$b" ] && [ $((b - a)) -le "$2" ]
}
echo "     counted by $(value 1 counted_by)"
check "handles grow by $HANDLES_TOLERANCE at most" level handles "$HANDLES_TOLERANCE"
check "GDI objects grow by $OBJECTS_TOLERANCE at most" level gdi "$OBJECTS_TOLERANCE"
check "USER objects grow by $OBJECTS_TOLERANCE at most" level user "$OBJECTS_TOLERANCE"
check "private memory grows by $PRIVATE_TOLERANCE_KB KB at most" \
  level private_kb "$PRIVATE_TOLERANCE_KB"

stop_bar
check "closing ends the program with code 0" test $? = 0
rm -rf "$root" "$desk"
