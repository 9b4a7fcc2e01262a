#!/usr/bin/env bash
# A new user's journey with a full root: five categories and a long list of
# shortcuts and documents (Cyrillic names, a 200-character name, a broken
# shortcut). The bar is dragged floating -> top -> right -> bottom -> left ->
# floating by real mouse drags; at every stop, in both view modes, every item
# can be reached by the wheel, the forward strip and the End key, and a
# screenshot is kept.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

view_of() { probe view TOVB_Form1 | sed -n "s/^$1=//p"; }
rect_of_bar() { info_of rect; }
# The middle of a rectangle "l,t,r,b" as "x y".
middle() { awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }' <<<"$1"; }

reg_clear
root=$(fresh_root)
windows_root='C:\users\'"$(whoami)"'\AppData\Roaming\Ovel Launch Bar'
add_category() {  # name count
  mkdir -p "$root/$1"
  for i in $(seq "$2"); do echo "$1 $i" >"$root/$1/item $i.txt"; done
}
add_category Games 3
add_category Internet 8
add_category "Документы" 12
add_category Tools 20
add_category Archive 60
for n in Заметки Отчёт Письмо Plan Notes Readme Todo; do echo "$n" >"$root/$n.txt"; done
# A caption the list wraps to more lines than a thin bar holds (item 9).
echo budget >"$root/Budget for this year and the next one.txt"
long=$(printf 'L%.0s' $(seq 196))
echo long >"$root/$long.txt"
probe mklink "$windows_root\\Notepad.lnk" 'C:\windows\system32\notepad.exe'
probe mklink "$windows_root\\Broken.lnk" 'C:\nowhere\gone.exe'
total=$(( 5 + 8 + 1 + 2 ))
reg_set_options "$(record -2 0 0)"
check "a floating bar starts" start_bar
check "it lists all $total items of the root" wait_until 5000 view_is list_count "$total"
sleep 1
# A left click on the title strip first: run after the shell-events script,
# Wine delivered neither the first right click nor the first hover to the
# new bar until a button had gone down and up on it (cause not found).
IFS=, read -r l t _ _ <<<"$(info_of rect)"
xdotool mousemove $((l + 12)) $((t + 200)) sleep 0.1 click 1 sleep 0.5

# Scrolls with the wheel over the list until the last item shows; prints the
# number of notches it took (or fails after 80).
reach_end_by_wheel() {
  local x y i
  read -r x y <<<"$(middle "$(view_of list_rect)")"
  xdotool mousemove "$x" "$y"
  for i in $(seq 80); do
    [ "$(view_of list_visible | cut -d, -f2)" = "$(( $(view_of list_count) - 1 ))" ] && return 0
    xdotool click 5
    sleep 0.05
  done
  return 1
}
reach_start_by_wheel() {
  local x y i
  read -r x y <<<"$(middle "$(view_of list_rect)")"
  xdotool mousemove "$x" "$y"
  for i in $(seq 80); do
    [ "$(view_of list_visible | cut -d, -f1)" = 0 ] && return 0
    xdotool click 4
    sleep 0.05
  done
  return 1
}
# Rests the pointer on the middle of the forward strip's arrow, which sits at
# the bar's far end (the list itself is cut to whole pitches, so a gap may
# come before it; 20 pixels in from the end is the arrow's very edge), until
# the last item shows.
reach_end_by_strip() {
  local l t r b bl bt br bb x y
  IFS=, read -r l t r b <<<"$(view_of list_rect)"
  IFS=, read -r bl bt br bb <<<"$(rect_of_bar)"
  case $1 in
    top | bottom) x=$((br - 13)) y=$(((t + b) / 2)) ;;
    *) x=$(((l + r) / 2)) y=$((bb - 13)) ;;
  esac
  xdotool mousemove "$x" "$y" sleep 0.1 mousemove "$((x + 1))" "$y"
  for i in $(seq 100); do
    [ "$(view_of list_visible | cut -d, -f2)" = "$(( $(view_of list_count) - 1 ))" ] && return 0
    # On a loaded machine the first hover now and then starts no scrolling
    # (seen under Wine, cause not found): move again, as a hand on the mouse
    # would, and say so in the log.
    if [ $((i % 20)) = 0 ]; then
      echo "     $edge $mode: the pointer moved again on the arrow"
      xdotool mousemove "$((x + i / 20 % 2))" "$y"
    fi
    sleep 0.1
  done
  screenshot "journey-$edge-$mode-strip-failed"
  return 1
}
reach_end_by_keys() {
  local x y
  reach_start_by_wheel || return 1
  # A click on the first item gives the list the keyboard and selects it.
  read -r x y <<<"$(view_of list_rect | awk -F, '{ print $1 + 12, $2 + 10 }')"
  xdotool mousemove "$x" "$y" click 1
  sleep 0.3
  xdotool key End
  sleep 0.3
  [ "$(view_of list_visible | cut -d, -f2)" = "$(( $(view_of list_count) - 1 ))" ]
}
stop_at() {  # edge
  edge=$1
  for mode in large small; do
    check "$edge, $mode icons: the mode is set" set_mode "$mode"
    echo "     $edge $mode: list $(view_of list_rect), visible $(view_of list_visible)"
    screenshot "journey-$edge-$mode"
    check "$edge, $mode icons: the list shows more than one item" \
      test "$(view_of list_visible | cut -d, -f3)" -gt 1
    if [ "$mode" = large ] && { [ "$edge" = top ] || [ "$edge" = bottom ]; }; then
      IFS=, read -r _ _ _ ib <<<"$(probe itemrect TOVB_Form1 9 label)"
      IFS=, read -r _ _ _ lb <<<"$(view_of list_rect)"
      check "$edge, large icons: a long caption keeps to whole lines in the list" test "$ib" -le "$lb"
    fi
    if [ "$mode" = small ] && { [ "$edge" = left ] || [ "$edge" = right ]; }; then
      # The 200-character name ends in "..." within the list's width.
      IFS=, read -r il _ ir _ <<<"$(probe itemrect TOVB_Form1 10 label)"
      IFS=, read -r ll _ lr _ <<<"$(view_of list_rect)"
      check "$edge, small icons: captions are cut within the list" test $((ir - il)) -le $((lr - ll))
    fi
    check "$edge, $mode icons: the wheel reaches the last item" reach_end_by_wheel
    check "$edge, $mode icons: the wheel comes back to the first" reach_start_by_wheel
    check "$edge, $mode icons: the forward strip reaches the last item" reach_end_by_strip "$edge"
    check "$edge, $mode icons: End reaches the last item" reach_end_by_keys
  done
}

edge=float
stop_at float
# Floating -> top -> right -> bottom -> left -> floating, by the title strip.
IFS=, read -r l t r b <<<"$(rect_of_bar)"
drag $((l + 8)) $((t + 100)) 512 3
sleep 1
check "dragged to the top edge" test "$(stored_edge)" = 1
stop_at top
IFS=, read -r l t r b <<<"$(rect_of_bar)"
drag 300 $((t + 8)) 1021 400
sleep 1
check "dragged to the right edge" test "$(stored_edge)" = 2
stop_at right
IFS=, read -r l t r b <<<"$(rect_of_bar)"
drag $((r - 8)) 300 512 765
sleep 1
check "dragged to the bottom edge" test "$(stored_edge)" = 3
stop_at bottom
IFS=, read -r l t r b <<<"$(rect_of_bar)"
drag 300 $((t + 8)) 2 400
sleep 1
check "dragged to the left edge" test "$(stored_edge)" = 0
stop_at left
IFS=, read -r l t r b <<<"$(rect_of_bar)"
drag $((l + 8)) 300 500 400
sleep 1
check "dragged back to floating" test "$(stored_edge)" = -2
stop_at floating-again

# The tooltip of a cut caption: the 200-character name, in large icons.
edge=floating-again
set_mode large
reach_start_by_wheel
read -r x y <<<"$(middle "$(view_of list_rect)")"
for _ in $(seq 20); do
  IFS=, read -r il it ir ib <<<"$(probe itemrect TOVB_Form1 10)"
  IFS=, read -r ll lt lr lb <<<"$(view_of list_rect)"
  [ "${it:-0}" -ge "$lt" ] && [ "${ib:-0}" -le "$lb" ] && break
  xdotool mousemove "$x" "$y" click 5
  sleep 0.1
done
xdotool mousemove $(((il + ir) / 2)) $(((it + ib) / 2)) sleep 0.2 mousemove $(((il + ir) / 2 + 1)) $(((it + ib) / 2))
check "a cut caption shows its full name in a tooltip" probe wait tooltips_class32 4000
screenshot journey-tooltip

# Changes made outside the bar show by themselves.
before=$(view_of list_count)
echo outside >"$root/Zz outside.txt"
mkdir "$root/Empty"
shown_count() { [ "$(view_of list_count)" = "$1" ]; }
wait_count() { for _ in $(seq 50); do shown_count "$1" && return 0; sleep 0.1; done; return 1; }
check "a file and a folder made outside appear" wait_count $((before + 2))

# An empty folder says how to add items.
read -r x y <<<"$(view_of list_rect | awk -F, '{ print $1 + 12, $2 + 10 }')"
xdotool mousemove "$x" "$y" click 1
sleep 0.3
xdotool type --delay 50 Empty
xdotool key Return
check "the empty folder opens" wait_count 0
sleep 0.5
screenshot journey-empty-hint

# A broken shortcut says why it does not open, naming the item.
xdotool key BackSpace
sleep 0.5
xdotool type --delay 50 Broken
xdotool key Return
broken_box() {
  for _ in $(seq 50); do
    probe wait '#32770' 0 && probe text '#32770' 65535 | grep -q '"Broken"' && return 0
    sleep 0.1
  done
  return 1
}
check "opening the broken shortcut names it in a message" broken_box
screenshot journey-broken-shortcut
xdotool key Return
