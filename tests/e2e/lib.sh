# Shared helpers of the end-to-end tests: sourced, not run.
# Expects: $EXE (the program), $PROBE (olb_probe.exe), $OUT (artefact folder).
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env"
mkdir -p "$OUT"
. "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
BAR_PID=""
HOLDER_PID=""

# The probe's output without carriage returns; its exit code is the probe's
# (a pipe would give the last command's, and every check of a probe's
# answer would pass).
probe() {
  local out rc
  out=$(timeout -k 2 30 wine "$PROBE" "$@" </dev/null 2>/dev/null)
  rc=$?
  [ -z "$out" ] || printf '%s\n' "$out" | tr -d '\r'
  return "$rc"
}

# The value of one "key=value" line of `probe info` / `probe view` of the bar.
info_of() { probe info TOVB_Form1 | sed -n "s/^$1=//p"; }
view_of() { probe view TOVB_Form1 | sed -n "s/^$1=//p"; }
info_is() { [ "$(info_of "$1")" = "$2" ]; }
view_is() { [ "$(view_of "$1")" = "$2" ]; }

# Polls a condition until it holds: every 0.1 s, for at most MS milliseconds.
wait_until() {  # ms command...
  local end=$(($(date +%s%3N) + $1))
  shift
  until "$@"; do
    [ "$(date +%s%3N)" -lt "$end" ] || return 1
    sleep 0.1
  done
}
# Waits up to 3 s for the bar's rectangle to become $1.
rect_becomes() {
  wait_until 3000 info_is rect "$1" && return 0
  echo "     rect is $(info_of rect)"
  return 1
}

appdata_unix() { echo "$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming"; }
root_folder_unix() { echo "$(appdata_unix)/Ovel Launch Bar"; }
# The root folder made anew and empty (no first-start wizard, nothing left
# from another journey); prints its path.
fresh_root() {
  local root
  root=$(root_folder_unix)
  rm -rf "$root" && mkdir -p "$root" && echo "$root"
}

options_key='HKCU\Software\Vantrel Software\Ovel Launch Bar'
reg_options() {  # prints the stored Options value as lower-case hex, or nothing
  timeout -k 2 30 wine reg query "$options_key" /v Options </dev/null 2>/dev/null | tr -d '\r' |
    sed -n "s/.*REG_BINARY *//p" | tr "A-F" "a-f"
}
reg_set_options() { timeout -k 2 30 wine reg add "$options_key" /v Options /t REG_BINARY /d "$1" /f </dev/null >/dev/null 2>&1; }
reg_clear() { timeout -k 2 30 wine reg delete "$options_key" /f </dev/null >/dev/null 2>&1 || true; }

# Windows always has the user's Run key, which the bar writes into but never
# makes; a fresh Wine prefix lacks it.
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
reg_add_run_key() { timeout -k 2 30 wine reg add "$run_key" /f </dev/null >/dev/null 2>&1; }
reg_run_value() {  # prints the bar's Run value, or nothing
  timeout -k 2 30 wine reg query "$run_key" /v "Ovel Launch Bar" </dev/null 2>/dev/null |
    tr -d '\r' | sed -n "s/.*REG_SZ *//p"
}
# The Run key can be read and holds no value of the bar (a failed query
# prints nothing too, which must not pass for "removed").
reg_run_value_gone() {
  local listed
  listed=$(timeout -k 2 30 wine reg query "$run_key" </dev/null 2>/dev/null) || return 1
  ! grep -q "Ovel Launch Bar" <<<"$listed"
}

# Waits until the visible window of CLASS has a control ID with TEXT.
text_is() { probe wait "$1" 0 && [ "$(probe text "$1" "$2")" = "$3" ]; }
wait_text() { wait_until "$4" text_is "$1" "$2" "$3"; }  # class id text ms

# Answers the first-start wizard's three pages with their OK button (1),
# captioned "Next", "Next" and "OK".
answer_wizard() {
  for caption in Next Next OK; do
    wait_text TForm6 1 "$caption" 15000 || return 1
    # Between pages the window hides and shows again; a press that arrives
    # early waits in the queue for the next page.
    probe command TForm6 1 || return 1
  done
}

start_bar() {  # starts the bar in the background; its wine PID in BAR_PID
  wine "$EXE" </dev/null >"$OUT/bar.log" 2>&1 &
  BAR_PID=$!
  # Start-up ends with the bar shown, after it has slid to its place.
  probe wait TOVB_Form1 15000
}

# Stores the record EDGE AUTOHIDE ALWAYSONTOP and starts the bar with it.
start_stored_bar() { reg_set_options "$(record "$@")" && start_bar; }

# A left bar 100 wide on the 1024 x 768 screen, hidden but for two pixels
# and shown.
left_hidden="-98,0,2,768"
left_shown="0,0,100,768"
# Starts a stored auto-hidden left bar, the pointer away from it, and waits
# until it is hidden.
start_hidden_left_bar() {
  xdotool mousemove 600 300
  start_stored_bar 0 1 0 && rect_becomes "$left_hidden"
}

# Another program (a window of the probe's) takes the keyboard for MS
# milliseconds; its PID in HOLDER_PID.
hold_keyboard() {
  timeout -k 2 $(($1 / 1000 + 20)) wine "$PROBE" hold "$1" </dev/null >/dev/null 2>&1 &
  HOLDER_PID=$!
  probe wait Static 5000 >/dev/null
}
other_has_keyboard() { [ "$(probe info Static | sed -n 's/^foreground=//p')" = 1 ]; }
release_keyboard() {  # ends the other program before its time
  [ -n "$HOLDER_PID" ] || return 0
  kill "$HOLDER_PID" 2>/dev/null
  wait "$HOLDER_PID" 2>/dev/null
  HOLDER_PID=""
}

wait_exit() {  # pid seconds -> the exit code, or 124 when still running
  local pid=$1
  for _ in $(seq $(($2 * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      return $?
    fi
    sleep 0.1
  done
  return 124
}

stop_bar() {  # closes the bar politely; kills it only as a last resort
  [ -n "$BAR_PID" ] || return 0
  probe close TOVB_Form1 >/dev/null || true
  local rc=0
  wait_exit "$BAR_PID" 15 || rc=$?
  if [ "$rc" -eq 124 ]; then kill -9 "$BAR_PID" 2>/dev/null || true; fi
  BAR_PID=""
  return "$rc"
}

screenshot() { import -display "$DISPLAY" -window root "$OUT/$1.png" 2>/dev/null; }

# The journey's end (its EXIT trap): the bar closed politely, the other
# program ended, the tally.
finish() {
  stop_bar >/dev/null 2>&1
  release_keyboard
  echo "$(basename "$0" .sh): $PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ] || exit 1
  exit 0
}

# The 48-byte settings record as the hex that `reg add` takes:
# record EDGE AUTOHIDE ALWAYSONTOP (thickness 100 on every edge).
record() {
  le32() { printf '%08x' "$(( $1 & 0xffffffff ))" | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/'; }
  local out
  out=$(le32 48)$(le32 "$1")$(le32 "$2")$(le32 "$3")
  out=$out$(le32 100)$(le32 100)$(le32 100)$(le32 100)
  out=$out$(le32 100)$(le32 100)$(le32 200)$(le32 445)
  echo "$out"
}

# Opens the bar's menu with a right click at screen point (x, y).
right_click() { xdotool mousemove "$(($1 + 3))" "$2" sleep 0.1 mousemove "$1" "$2" sleep 0.1 click 3; }
# Right-clicks at (x, y) until the menu is up: right after a menu closes,
# Wine may still be finishing it and drop a click that follows too soon.
open_menu() {
  for attempt in 1 2 3; do
    right_click "$1" "$2"
    probe wait '#32768' 2000 && return 0
    echo "     (menu not up after click $attempt)"
  done
  return 1
}
# Picks a menu entry by moving down N entries (separators are skipped).
menu_pick_down() {
  probe wait '#32768' 5000 || return 1
  sleep 0.3  # the menu takes the keyboard once it is up
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}
# Picks the bar's menu entry by its component name (Alwaysontop1, Delete1 ...);
# with "item", on the menu opened on an item. The probe counts the entries.
menu_pick() {
  local downs
  downs=$(probe menupos "$@" | tr -d '\r') || return 1
  menu_pick_down "$downs"
}

# Waits for the shell's delete confirmation in the bar's own process: another
# box of the bar's (a file dialog after a wrong menu pick) does not count.
delete_question_up() {
  local asked
  asked=$(probe question TOVB_Form1 5000) || return 1
  grep -q '^title=Confirm .*deletion' <<<"$asked"
}

# A point "x y" on the title strip of a bar on $edge (top, bottom, right, or
# any other word for a left or floating bar), $1 pixels along it.
title_point() {
  local l t r b
  IFS=, read -r l t r b <<<"$(info_of rect)"
  case $edge in
    top | bottom) echo $((l + $1)) $((t + 8)) ;;
    right) echo $((r - 8)) $((t + $1)) ;;
    *) echo $((l + 8)) $((t + $1)) ;;
  esac
}
# Sets the view (large | xlarge | small) through the bar's menu on its title strip.
set_mode() {
  local x y
  read -r x y <<<"$(title_point 200)"
  open_menu "$x" "$y" || return 1
  case $1 in
    large) menu_pick LargeIcons1 ;;
    xlarge) menu_pick ExtraLargeIcons1 ;;
    *) menu_pick SmallIcons1 ;;
  esac
  sleep 0.5
}

# Drags with the left button from (x1, y1) to (x2, y2) in 20-pixel steps.
drag() {
  local x=$1 y=$2 steps i
  xdotool mousemove "$x" "$y" sleep 0.1 mousedown 1 sleep 0.2
  steps=$(( ( (${3} - x) ** 2 + (${4} - y) ** 2 ) ))
  steps=$(awk -v d="$steps" 'BEGIN { s = int(sqrt(d) / 20); print (s < 1 ? 1 : s) }')
  for i in $(seq "$steps"); do
    xdotool mousemove $((x + ($3 - x) * i / steps)) $((y + ($4 - y) * i / steps)) sleep 0.02
  done
  xdotool sleep 0.2 mouseup 1
}

# The stored record's Edge field, as a signed number.
stored_edge() {
  local hex
  hex=$(reg_options | cut -c9-16 | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/')
  [ -n "$hex" ] && echo $(( (0x$hex ^ 0x80000000) - 0x80000000 ))
}
edge_stored() { [ "$(stored_edge)" = "$1" ]; }
