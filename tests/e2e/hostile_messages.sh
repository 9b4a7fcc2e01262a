#!/usr/bin/env bash
# What other programs can do to the bar under Wine: a hidden window of
# theirs with the bar's class name at start, messages whose pointers mean
# nothing in the bar's process, a flood of restart notices, a first copy
# that hangs while a second one starts.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

mkdir -p "$(root_folder_unix)"

timeout -k 2 120 wine "$PROBE" decoy TOVB_Form1 60000 </dev/null >/dev/null 2>&1 &
decoy=$!
decoys_up() { [ "$(probe count TOVB_Form1)" = "$1" ]; }
check "another program's hidden window has the bar's class" wait_until 15000 decoys_up 1
# Left, reserving, always on top.
check "the bar starts all the same" start_stored_bar 0 0 1
check "and keeps running" kill -0 "$BAR_PID"
check "the bar is docked at the left" rect_becomes "0,0,100,768"
placed=$(info_of rect)

check "WM_NOTIFY, WM_DPICHANGED and 3,000 \"TaskbarCreated\" posted" probe hostile TOVB_Form1 3000
check "the bar works through them and waits for input again" probe idle TOVB_Form1 20000
check "it registers again" wait_until 5000 probe registered TOVB_Form1
check "and still runs" kill -0 "$BAR_PID"
check "where it stood" rect_becomes "$placed"
check "it answers the probe" probe view TOVB_Form1
screenshot hostile-messages
stop_bar
check "and closes with code 0 after them" test $? = 0

check "it starts again beside the other program's window" start_bar

# A first copy that no longer answers (stopped, as one kept by a debugger
# after a crash is) holds the session's claim: a new start says so.
kill -STOP "$BAR_PID"
wine "$EXE" </dev/null >"$OUT/second.log" 2>&1 &
second=$!
probe wait '#32770' 30000 >/dev/null && screenshot copy-not-answering
said=$(probe dismiss "Ovel Launch Bar" 5000)
check "a second start does not end silently" test $? = 0
check "it says the bar does not answer" grep -q "does not answer" <<<"$said"
wait_exit "$second" 15
check "and ends with code 0" test $? = 0
kill -CONT "$BAR_PID"

stop_bar
check "the bar ends with code 0" test $? = 0
wait "$decoy"
check "the other program's window was never shown" test $? = 0

# A copy that ended without letting its claim go leaves it abandoned: the
# next start runs the bar.
start_bar >/dev/null
kill -9 "$BAR_PID"
wait "$BAR_PID" 2>/dev/null
BAR_PID=""
check "after a killed bar a new start shows the bar" start_bar
stop_bar
