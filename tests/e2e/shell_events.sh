#!/usr/bin/env bash
# The bar among the shell's events under Wine: the shell announcing a
# restart, Esc during a real move, several starts at the same moment.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

mkdir -p "$(root_folder_unix)"
check "a stored left bar starts (reserving, always on top)" start_stored_bar 0 0 1
placed=$(info_of rect)

probe forget TOVB_Form1
# The probe fails alike when it finds no bar: the window must be there.
forgotten() { probe info TOVB_Form1 >/dev/null && ! probe registered TOVB_Form1; }
check "the shell forgot the bar" forgotten
check "\"TaskbarCreated\" is broadcast" probe taskbarcreated
check "the bar registered again" wait_until 5000 probe registered TOVB_Form1
check "and stands where it stood" rect_becomes "$placed"

stored=$(reg_options)
xdotool mousemove 10 400 sleep 0.1 mousedown 1 sleep 0.2
for x in 60 160 260 360 460 512; do xdotool mousemove "$x" 300 sleep 0.03; done
sleep 0.3
xdotool key Escape sleep 0.3 mouseup 1
check "Esc puts the bar back on its edge" rect_becomes "$placed"
check "and stores nothing" test "$(reg_options)" = "$stored"
stop_bar
check "the bar ends with code 0" test $? = 0

pids=()
for _ in 1 2 3 4 5; do
  wine "$EXE" </dev/null >>"$OUT/five.log" 2>&1 &
  pids+=($!)
done
probe wait TOVB_Form1 15000
four_ended() {
  local pid running=0
  for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && running=$((running + 1)); done
  [ "$running" -le 1 ]
}
wait_until 15000 four_ended
check "five starts at once leave one bar" test "$(probe count TOVB_Form1)" = 1
ended=0
for pid in "${pids[@]}"; do
  if kill -0 "$pid" 2>/dev/null; then
    BAR_PID=$pid
  elif wait "$pid"; then
    ended=$((ended + 1))
  fi
done
check "four of them end with code 0" test "$ended" = 4
stop_bar
