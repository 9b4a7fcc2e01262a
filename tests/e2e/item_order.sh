#!/usr/bin/env bash
# The user's own order with the real mouse: the third item dragged before
# the first stays there after a restart; three items picked with Ctrl+click
# go to the Recycle Bin after one question.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

# A point on item N of the large-icon list, `at` pixels into its cell.
item_point() { awk -F, -v n="$1" -v at="$2" '{ print $1 + 35, $2 + at + 75 * n }' <<<"$(view_of list_rect)"; }
order() { probe captions TOVB_Form1 | tr -d '\r' | tr '\n' '|'; }

reg_clear
reg_set_options "$(record 0 0 0)"
root=$(fresh_root)
for n in Alpha Bravo Charlie Delta Echo; do echo "$n" >"$root/$n.txt"; done
edge=left

check "a left bar starts" start_bar
check "it shows the five items" wait_until 5000 view_is list_count 5
before=$(order)
echo "     order: $before"
check "in the shell's order" test "${before%%|*}" = Alpha.txt -o "${before%%|*}" = Alpha

read -r cx cy <<<"$(item_point 2 30)"
read -r fx fy <<<"$(item_point 0 4)"
drag "$cx" "$cy" "$fx" "$fy"
first_is_charlie() { case $(order) in Charlie*) return 0 ;; *) return 1 ;; esac; }
check "the third item dragged before the first stands first" wait_until 5000 first_is_charlie
after=$(order)
echo "     order: $after"
check "the others keep their order after it" \
  test "$(cut -d'|' -f2-5 <<<"$after")" = "$(cut -d'|' -f1,2,4,5 <<<"$before")"
check "no file moved" test -f "$root/Charlie.txt"
screenshot order-dragged

check "the bar closes" stop_bar
check "it starts again" start_bar
check "with the five items" wait_until 5000 view_is list_count 5
check "in the order the user gave" test "$(order)" = "$after"
screenshot order-restarted

# Ctrl+click three items, then Delete: one question for all three.
sleep 1
read -r x0 y0 <<<"$(item_point 0 30)"
read -r x1 y1 <<<"$(item_point 1 30)"
read -r x3 y3 <<<"$(item_point 3 30)"
xdotool mousemove "$x0" "$y0" click 1 sleep 0.6
xdotool mousemove "$x1" "$y1" keydown ctrl click 1 sleep 0.6 mousemove "$x3" "$y3" click 1 keyup ctrl
sleep 0.5
check "three items are selected" wait_until 3000 view_is list_selected_count 3
screenshot order-three-selected
xdotool key Delete
check "Delete asks the shell's question" delete_question_up
screenshot order-delete-question
probe answer TOVB_Form1 6 >/dev/null
check "all three leave the list" wait_until 5000 view_is list_count 2
no_question() { ! probe question TOVB_Form1 1500 >/dev/null; }
check "with no second question" no_question
left=$(ls "$root" | tr '\n' ' ')
echo "     left in the folder: $left"
check "two files are left" test "$(ls "$root" | wc -l)" = 2
screenshot order-deleted
check "the bar closes at the end" stop_bar
