#!/usr/bin/env bash
# The bar's popup menu in the real program: opened by a right click on the
# title strip, Always on Top toggled from it, Exit; the strip turned the right
# way on left, right and top bars (see the screenshots).
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

# An empty root folder: no first-start wizard.
fresh_root >/dev/null
check "a stored left bar starts" start_stored_bar 0 0 0
check "it sits at the left edge, 100 wide" test "$(info_of rect)" = "0,0,100,768"
screenshot left-bar

right_click 10 300
check "a right click on the title strip opens the menu" probe wait '#32768' 5000
screenshot menu
xdotool key Escape
check "Escape closes it" probe gone '#32768' 5000

# The back strip lies just above the list: a right click there is the same.
list_top=$(view_of list_rect | cut -d, -f2)
strip_y=$((list_top - 8))
check "a right click on the scroll strip opens the same menu" open_menu 60 "$strip_y"
xdotool key Escape
probe gone '#32768' 5000

open_menu 10 300
menu_pick Alwaysontop1
check "Always on Top from the menu makes the bar topmost" wait_until 3000 info_is topmost 1
check "and writes the record at once" test "$(reg_options)" = "$(record 0 0 1)"
open_menu 10 300
menu_pick Alwaysontop1
check "choosing it again drops the topmost state" wait_until 3000 info_is topmost 0
check "and writes that too" test "$(reg_options)" = "$(record 0 0 0)"

open_menu 10 300
menu_pick About1
check "About from the menu opens the About page" wait_text TForm6 1 OK 5000
check "its caption is the About one" \
  test "$(probe info TForm6 | sed -n 's/^caption=//p')" = "Ovel Launch Bar: About"
check "it shows the version" test "$(probe text TForm6 110)" = "Version: 3.6.0"
check "the bar stays on screen under it" test "$(info_of visible)" = 1
screenshot about
probe command TForm6 2
check "Cancel closes it" probe gone TForm6 5000

# Wine's viewer shows the compiled help's contents (its pages stay blank
# without a browser engine); the bar goes on, and Exit closes the viewer.
open_menu 10 300
menu_pick Help1
check "Help from the menu opens the help viewer" probe wait "HH Parent" 5000
check "on the help file beside the program (its title)" \
  test "$(probe info "HH Parent" | sed -n 's/^caption=//p')" = "Ovel Launch Bar Help"
screenshot help
check "the bar goes on after Help" test "$(info_of visible)" = 1

open_menu 10 300 && sleep 0.3 && xdotool key Up Return
wait_exit "$BAR_PID" 15
check "Exit from the menu ends the program with code 0" test $? = 0
BAR_PID=""
check "the record is as the last toggle left it" test "$(reg_options)" = "$(record 0 0 0)"

for edge in 2 1; do
  reg_set_options "$(record "$edge" 0 0)"
  check "a stored bar on edge $edge starts" start_bar
  screenshot "edge-$edge"
  stop_bar
done
