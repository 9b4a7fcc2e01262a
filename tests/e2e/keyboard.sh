#!/usr/bin/env bash
# The keyboard with real keys: on every edge and in both views the arrow
# keys move the selection along the bar and back, and the labels are painted
# whole after each change of edge and view (screenshots); type-ahead takes
# a space; F1 opens the help viewer; the Up button follows the folder after
# a climb above the root and back.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

reg_clear
root=$(fresh_root)
for i in $(seq -w 1 12); do echo "$i" >"$root/Item $i.txt"; done
for n in "Note a" "Note b" Notes; do echo "$n" >"$root/$n.txt"; done
mkdir "$root/Développement"

selected_is() { view_is list_selected "$1"; }
moved_off_first() { [ "$(view_of list_selected)" -gt 0 ]; }
# An item's icon corner along the bar (x on a top or bottom bar, y else).
along_of() {  # item
  local l t
  IFS=, read -r l t _ _ <<<"$(probe itemrect TOVB_Form1 "$1")"
  case $edge in top | bottom) echo "$l" ;; *) echo "$t" ;; esac
}
# A click on the first item gives the list the keyboard; Home selects item 0.
select_first() {
  local x y
  read -r x y <<<"$(view_of list_rect | awk -F, '{ print $1 + 12, $2 + 10 }')"
  xdotool mousemove "$x" "$y" click 1 sleep 0.3 key Home
  wait_until 3000 selected_is 0
}
arrows_move() {  # mode
  local forward back next
  case $edge in top | bottom) forward=Right back=Left ;; *) forward=Down back=Up ;; esac
  select_first || return 1
  xdotool key "$forward"
  wait_until 3000 moved_off_first || {
    echo "     $edge $1: $forward left the selection at $(view_of list_selected)"
    return 1
  }
  next=$(view_of list_selected)
  [ "$(along_of "$next")" -gt "$(along_of 0)" ] || {
    echo "     $edge $1: $forward selected item $next, not further along"
    return 1
  }
  xdotool key "$back"
  wait_until 3000 selected_is 0
}
stop_at() {  # edge modes...
  edge=$1
  shift
  screenshot "keys-$edge-arrived"
  for mode in "$@"; do
    check "$edge, $mode icons: the mode is set" set_mode "$mode"
    screenshot "keys-$edge-$mode"
    check "$edge, $mode icons: the arrow keys move the selection along the bar and back" \
      arrows_move "$mode"
  done
}
drag_title_to() {  # x y: drags the bar by its title strip
  local x y
  read -r x y <<<"$(title_point 300)"
  drag "$x" "$y" "$1" "$2"
  sleep 1
}

reg_set_options "$(record -2 0 0)"
check "a floating bar starts" start_bar
sleep 1
IFS=, read -r l t _ _ <<<"$(info_of rect)"
xdotool mousemove $((l + 12)) $((t + 200)) sleep 0.1 click 1 sleep 0.5
edge=float
stop_at float large small
# Small icons kept from the right edge to the bottom: the focused label was
# painted garbled there.
for stop in "right 1021 400 2 large small" "bottom 512 765 3 small large" \
  "top 512 3 1 small large" "left 2 400 0 large small"; do
  read -r next x y stored modes <<<"$stop"
  drag_title_to "$x" "$y"
  check "dragged to the $next edge" wait_until 5000 edge_stored "$stored"
  # shellcheck disable=SC2086 # the modes are two words
  stop_at "$next" $modes
done

# Type-ahead: a space is part of what is typed.
select_first
xdotool type --delay 80 "note b"
check "type-ahead takes a space: \"note b\" selects Note b" wait_until 3000 selected_is 14

# F1 opens the help viewer on the help file beside the program.
xdotool key F1
check "F1 opens the help viewer" probe wait "HH Parent" 5000
check "on the bar's help file (its title)" \
  test "$(probe info "HH Parent" | sed -n 's/^caption=//p')" = "Ovel Launch Bar Help"
screenshot keys-help

probe close "HH Parent"
probe gone "HH Parent" 5000

# The folder's name upper-cased in the title by the system's rules (looked
# at in the screenshot: "DÉVELOPPEMENT"); the Up button follows the folder.
select_first
# A tip shown over a cut caption goes at once when the folder changes.
IFS=, read -r il it ir ib <<<"$(probe itemrect TOVB_Form1 1)"
xdotool mousemove $(((il + ir) / 2)) $(((it + ib) / 2)) sleep 0.2 \
  mousemove $(((il + ir) / 2 + 1)) $(((it + ib) / 2))
check "a cut caption shows its tip" probe wait tooltips_class32 4000
xdotool key Return
check "the folder opens" wait_until 5000 view_is list_count 0
check "the tip of the folder left is hidden at once" probe gone tooltips_class32 300
check "below the root Up is enabled" view_is up_enabled 1
screenshot keys-title
xdotool key BackSpace
check "Backspace comes back to the root" wait_until 5000 view_is up_enabled 0
# Above the root and back by type-ahead (with a space) and Enter.
xdotool key shift+alt+BackSpace
check "Shift+Alt+Backspace climbs above the root, Up enabled" wait_until 5000 view_is up_enabled 1
xdotool type --delay 80 "ovel l"
xdotool key Return
check "opening the root from its parent disables Up" wait_until 5000 view_is list_count 16
check "at the root Up is disabled" view_is up_enabled 0

stop_bar
check "closing ends the program with code 0" test $? = 0
rm -rf "$root"
