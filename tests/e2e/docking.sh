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
check "dragging the title strip to the top docks the bar there" rect_becomes "0,0,1024,100"
check "the new edge is saved when the move ends" wait_until 3000 edge_stored 1
screenshot dragged-top

drag 300 10 500 400
check "dropping it in the middle leaves it floating" wait_until 3000 edge_stored -2
rect=$(info_of rect)
echo "     floating at $rect"
check "the floating bar hangs under the pointer at its floating size" \
  bash -c "[[ '$rect' == 450,400,550,* ]]"

drag 520 405 1021 400
check "dragging it to the right edge docks it there" rect_becomes "924,0,1024,768"
check "and saves that edge" wait_until 3000 edge_stored 2
stop_bar
check "the bar ends with code 0" test $? = 0
