#!/usr/bin/env bash
# Docking in the real program: the system's move loop, driven by a real
# mouse drag on the title strip, moves the bar between edges and floating.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

# The root folder exists: no first-start wizard.
mkdir -p "$(root_folder_unix)"
reg_set_options "$(record 0 0 0)"
check "a stored left bar starts" start_bar

drag 10 400 512 3
sleep 1  # the 400 ms slide to the new edge
check "dragging the title strip to the top docks the bar there" test "$(info_of rect)" = "0,0,1024,100"
check "the new edge is saved when the move ends" test "$(stored_edge)" = 1
screenshot dragged-top

drag 300 10 500 400
sleep 1
rect=$(info_of rect)
echo "     floating at $rect"
check "dropping it in the middle leaves it floating" test "$(stored_edge)" = -2
check "the floating bar hangs under the pointer at its floating size" \
  bash -c "[[ '$rect' == 450,400,550,* ]]"

drag 520 405 1021 400
sleep 1
check "dragging it to the right edge docks it there" test "$(info_of rect)" = "924,0,1024,768"
check "and saves that edge" test "$(stored_edge)" = 2
stop_bar
check "the bar ends with code 0" test $? = 0
