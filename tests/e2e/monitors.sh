#!/usr/bin/env bash
# Several monitors and display modes in the real program, on an X.org dummy
# display of its own (needs root): real drags dock the bar on every edge of
# two monitors side by side and float it on the second; the monitor and edge
# come back after a restart; on one monitor offering several modes, a mode
# change re-docks the bar along the new edge, and many leave its handles,
# GDI objects and memory level.
set -u
EXE=$1 PROBE=$2 OUT=$3/monitors
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$(id -u)" -ne 0 ] || ! command -v Xorg >/dev/null; then
  echo "monitors: needs root and the X.org dummy driver (scripts/bootstrap); skipped"
  exit 77
fi
# Its own prefix and display: the shared session is an Xvfb of one monitor.
export OLB_WINE_DIR="$OUT/wine"
session="$ROOT/scripts/wine-session"
mkdir -p "$OUT"
"$session" start --monitors 1024x768+1280x800 >/dev/null || exit 1
. "$(dirname "$0")/lib.sh"
trap '"$session" stop; finish' EXIT

# Where the title strip of the bar is grabbed, by its stored edge.
grab() {
  local l t r b
  IFS=, read -r l t r b <<<"$(info_of rect)"
  case "$(stored_edge)" in
    0) echo "$((l + 8)) $(((t + b) / 2))" ;;
    2) echo "$((r - 8)) $(((t + b) / 2))" ;;
    1 | 3) echo "$((l + 300)) $((t + 8))" ;;
    *) echo "$((l + 8)) $((t + 100))" ;;
  esac
}
dock() {  # name x y rect edge: drags the title strip to (x, y)
  local gx gy
  read -r gx gy <<<"$(grab)"
  drag "$gx" "$gy" "$2" "$3"
  check "dragged to $1: $4" rect_becomes "$4"
  check "  and stored as edge $5" wait_until 3000 edge_stored "$5"
  screenshot "$1"
}
monitor_stored() {
  timeout -k 2 30 wine reg query "$options_key" /v Monitor </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/.*REG_SZ *//p"
}

check "Wine sees two monitors" test "$(probe monitors | wc -l)" = 2
rm -rf "$(root_folder_unix)"
mkdir -p "$(root_folder_unix)"

# Auto-hidden on the primary's right edge, an inner one: the pointer does
# not stop there by itself, and the bar must not show on the other monitor.
reg_clear
timeout -k 2 30 wine reg add "$options_key" /v Monitor /d '0,0,1024,768,\\.\DISPLAY1' /f \
  </dev/null >/dev/null 2>&1
reg_set_options "$(record 2 1 0)"
check "an auto-hidden bar on an inner edge starts" start_bar
check "  hidden in a strip of its own monitor" rect_becomes "1004,0,1024,768"
screenshot inner-hidden
timeout -k 2 30 wine "$PROBE" hold 8000 </dev/null >/dev/null 2>&1 &
holder=$!
probe wait Static 5000 >/dev/null  # another program is the active one
xdotool mousemove 1010 400 sleep 0.1 mousemove 1011 401
check "resting the pointer on the strip slides it out" rect_becomes "924,0,1024,768"
screenshot inner-shown
xdotool mousemove 730 610 sleep 0.1 mousemove 740 620
check "moving away slides it back in" rect_becomes "1004,0,1024,768"
wait "$holder"
stop_bar

reg_clear
reg_set_options "$(record 0 0 1)"
check "a stored left bar starts on the primary monitor" start_bar
check "  at its left edge" rect_becomes "0,0,100,768"

# The second monitor (1024,0)-(2304,800) stands right of the primary one
# (0,0)-(1024,768): the primary's right edge and the second's left edge are
# inner edges.
dock first-top 512 3 "0,0,1024,100" 1
dock second-right 2300 400 "2204,0,2304,800" 2
dock second-bottom 1664 797 "1024,700,2304,800" 3
dock second-left-inner 1028 400 "1024,0,1124,800" 0
dock second-top 1664 3 "1024,0,2304,100" 1
dock first-right-inner 1020 384 "924,0,1024,768" 2
dock first-bottom 512 765 "0,668,1024,768" 3
dock first-left 3 384 "0,0,100,768" 0
check "the monitor is stored beside the record" \
  test "$(monitor_stored)" = '0,0,1024,768,\\.\DISPLAY1'

read -r gx gy <<<"$(grab)"
drag "$gx" "$gy" 1664 300
check "dropped in the middle of the second monitor it floats" wait_until 3000 edge_stored -2
IFS=, read -r l t r b <<<"$(info_of rect)"
check "  on the second monitor ($l,$t,$r,$b)" \
  test "$l" -ge 1024 -a "$r" -le 2304 -a "$t" -ge 0 -a "$b" -le 800
screenshot second-floating

dock second-bottom-again 1664 797 "1024,700,2304,800" 3
check "the second monitor is stored" test "$(monitor_stored)" = '1024,0,2304,800,\\.\DISPLAY2'
stop_bar
check "the bar ends with code 0" test $? = 0
check "after a restart it is back on the second monitor's bottom edge" start_bar
check "  at 1024,700,2304,800" rect_becomes "1024,700,2304,800"
screenshot restarted

# The Monitor submenu comes right after Fit Bar to Items.
monitor_menu() {  # the number of Down presses in the submenu
  local gx gy downs
  read -r gx gy <<<"$(grab)"
  downs=$(probe menupos FitBartoItems1 | tr -d '\r') || return 1
  open_menu "$gx" "$gy" || return 1
  sleep 0.3
  for _ in $(seq $((downs + 1))); do xdotool key Down; done
  xdotool key Right
  sleep 0.3
  for _ in $(seq "$1"); do xdotool key Down; done
}
# Another process cannot read the menu's entries under Wine: the screenshot
# shows them; the choices below prove their order.
monitor_menu 0
screenshot monitor-menu
xdotool key Return
check "choosing the first moves the bar to the same edge there" rect_becomes "0,668,1024,768"
check "  and remembers it" test "$(monitor_stored)" = '0,0,1024,768,\\.\DISPLAY1'
monitor_menu 1 && xdotool key Return
check "choosing the second moves it back" rect_becomes "1024,700,2304,800"
stop_bar

# One monitor with several modes: the second monitor is gone.
"$session" stop
"$session" start --monitors 1024x768,1280x800,800x600 >/dev/null || exit 1
. "$ROOT/scripts/wine-env"
check "Wine sees one monitor" test "$(probe monitors | wc -l)" = 1
check "without its monitor the bar starts on the primary one" start_bar
check "  at the same edge" rect_becomes "0,668,1024,768"
mode() { probe mode "$@" >/dev/null; }
check "a mode change to 1280x800 succeeds" mode 1280 800
check "  and the bar spans the new bottom edge" rect_becomes "0,700,1280,800"
screenshot mode-1280x800
check "a mode change to 800x600 re-docks it again" mode 800 600
check "  along 800 pixels" rect_becomes "0,500,800,600"
check "the remembered monitor is kept" test "$(monitor_stored)" = '1024,0,2304,800,\\.\DISPLAY2'

resource() { probe resources TOVB_Form1 | sed -n "s/^$1=//p"; }
probe mode 1024 768 >/dev/null
rect_becomes "0,668,1024,768" >/dev/null
before_handles=$(resource handles) before_gdi=$(resource gdi) before_kb=$(resource private_kb)
for i in $(seq 25); do
  probe mode 1280 800 >/dev/null
  probe mode 1024 768 >/dev/null
done
check "after 50 mode changes the bar is in place" rect_becomes "0,668,1024,768"
after_handles=$(resource handles) after_gdi=$(resource gdi) after_kb=$(resource private_kb)
echo "     handles $before_handles -> $after_handles, GDI $before_gdi -> $after_gdi," \
  "private $before_kb -> $after_kb KB"
check "  its handles are level" test "$after_handles" -le $((before_handles + 5))
check "  its GDI objects are level" test "$after_gdi" -le $((before_gdi + 5))
check "  its private memory is level" test "$after_kb" -le $((before_kb + 512))
stop_bar
check "the bar ends with code 0" test $? = 0
