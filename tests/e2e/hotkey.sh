#!/usr/bin/env bash
# The global hotkey with real keys: with another program active, Ctrl+Alt+
# Space brings an auto-hidden bar out with the keyboard on its list; Esc and
# a second press give the keyboard back. The Settings window opens from the
# menu with every label whole, and says so when another program holds the
# hotkey. A screen reader's calls (AccessibleObjectFromWindow) name the
# title strip, the Up button and the scroll strips of a category, and its
# event hook hears the title's new name, a strip's new state and the focus
# going to the find field. A bar started after the system's face colour
# changed paints its strips and list in it.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

hidden=$left_hidden shown=$left_shown
edge=left

reg_clear
root=$(fresh_root)
for n in Alpha Beta Gamma; do echo "$n" >"$root/$n.txt"; done
mkdir "$root/Games"
# More than the bar shows: its forward strip has an arrow in the category.
for n in Chess Go Poker Rummy{1..12}; do echo "$n" >"$root/Games/$n.txt"; done
check "an auto-hidden left bar starts and waits hidden" start_hidden_left_bar

bar_has_keyboard() { info_is foreground 1 && view_is list_focused 1; }
probe_text_has() { probe text "$1" "$2" | grep -qF "$3"; }

hold_keyboard 40000
check "another program has the keyboard" wait_until 5000 other_has_keyboard

xdotool key ctrl+alt+space
check "the hotkey slides the bar out" rect_becomes "$shown"
check "and gives its list the keyboard" wait_until 3000 bar_has_keyboard
check "whose focus is drawn" view_is list_focus_drawn 1
screenshot hotkey-forward
sleep 1
check "it stays out while it has the keyboard" test "$(info_of rect)" = "$shown"

xdotool key Escape
check "Esc gives the keyboard back" wait_until 3000 other_has_keyboard
# Wine follows the pointer only over its own windows: it goes onto the
# other program's.
xdotool mousemove 730 610 sleep 0.1 mousemove 740 620
check "and the bar slides back in" rect_becomes "$hidden"

xdotool key ctrl+alt+space
check "a press brings it out again" wait_until 3000 bar_has_keyboard
xdotool key ctrl+alt+space
check "the next press gives the keyboard back" wait_until 3000 other_has_keyboard

# The Settings window, from the menu of the bar brought out by the hotkey
# (while the other program lives: without a window of Wine's own having
# the display's keyboard, no key reaches Wine).
xdotool key ctrl+alt+space
rect_becomes "$shown" && wait_until 3000 bar_has_keyboard
check "the menu opens on the title strip" open_menu $(title_point 300)
sleep 0.3
screenshot hotkey-menu
menu_pick Settings1
check "Settings opens from the menu" probe wait TSettingsForm 5000
check "its labels fit" probe labels TSettingsForm
screenshot hotkey-settings
xdotool key Escape
check "Esc closes it" probe gone TSettingsForm 5000
check "the list has the keyboard back" wait_until 3000 bar_has_keyboard

# The category Games (folders come first), opened with the keyboard, while
# a screen reader's hook records the accessibility events.
events="$OUT/hotkey-events.txt"
rm -f "$events"
timeout -k 2 60 wine "$PROBE" winevents TOVB_Form1 "Z:${events//\//\\}" 20000 </dev/null >/dev/null 2>&1 &
listener=$!
wait_until 5000 grep -qs hooked "$events"
xdotool key Home Return
title_is_games() { probe accnames TOVB_Form1 | grep -qx "Ovel Launch Bar — Games|title bar"; }
check "the title strip is named for the folder shown" wait_until 3000 title_is_games
check "the bar stays out with the category open" rect_becomes "$shown"
screenshot hotkey-category
names=$(probe accnames TOVB_Form1)
printf '     %s\n' "$names"
check "the Up button is named for where it goes" grep -qx "Up to Ovel Launch Bar|push button" <<<"$names"
check "the strips are named" \
  bash -c 'grep -qx "Scroll back|push button" <<<"$0" && grep -qx "Scroll forward|push button" <<<"$0"' "$names"
# Wine's oleacc has no items for a list view; the names the list control's
# own accessibility gives on Windows are its item texts, read here.
check "the first three items are named" \
  test "$(probe captions TOVB_Form1 | head -n 3 | tr '\n' ,)" = "Chess.txt,Go.txt,Poker.txt,"
# Typing what no item starts with opens the find field.
xdotool type --delay 80 "oker"
wait_until 3000 view_is find_focused 1
# The title strip's new name, the forward strip's new state, then the
# keyboard in the find field.
told() {
  grep -q "^name TOVB_Form1 -4 1$" "$events" && grep -q "^state TOVB_Form1 -4 4$" "$events" &&
    grep -q "^focus Edit -4 0" "$events"
}
check "readers hear of the title's name, the strip's state and the field's focus" wait_until 3000 told
sed 's/^/     /' "$events"
xdotool key Escape
stop_bar
release_keyboard

# Another program holds the hotkey: the bar runs without and says so in
# its Settings window. The system's face colour is changed first: the
# strips and the list are painted in it. (A bar already running never sees
# the change under Wine 8, whose processes keep the colours they read
# first; nor does Wine report High Contrast on: the colours the bar picks
# in it are proven natively.)
timeout -k 2 60 wine "$PROBE" takehotkey 30000 </dev/null >/dev/null 2>&1 &
taker=$!
sleep 1
old_face=$(probe syscolor 15 ff00ff)
trap 'probe syscolor 15 "$old_face" >/dev/null; finish' EXIT
check "the bar starts while the hotkey is taken" start_stored_bar 0 0 0
pixel_at() {  # x y: the screen's colour there as RRGGBB
  screenshot colours
  convert "$OUT/colours.png" -format '%[hex:p{'"$1,$2"'}]' info: 2>/dev/null | cut -c1-6 | tr A-F a-f
}
face_shows() {  # RRGGBB: the blank forward strip (at the bar's foot) and the list's corner
  local l t r b bottom
  IFS=, read -r l t r b <<<"$(view_of list_rect)"
  bottom=$(info_of rect | cut -d, -f4)
  [ "$(pixel_at $(((l + r) / 2)) $((bottom - 12)))" = "$1" ] &&
    [ "$(pixel_at $((r - 3)) $((b - 3)))" = "$1" ]
}
check "its strips and list are painted in the system's face colour" wait_until 3000 face_shows ff00ff
probe syscolor 15 "$old_face" >/dev/null
check "the menu opens" open_menu $(title_point 300)
menu_pick Settings1
check "Settings says the hotkey is held by another program" \
  wait_until 5000 probe_text_has TSettingsForm 231 "Another program holds this hotkey"
check "the note fits too" probe labels TSettingsForm
screenshot hotkey-taken
xdotool key Escape
probe gone TSettingsForm 5000 >/dev/null
kill "$taker" 2>/dev/null
wait "$taker" 2>/dev/null
