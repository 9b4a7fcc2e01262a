#!/usr/bin/env bash
# The real program under Wine takes drops that another program makes with
# the real mouse: several files at once, a folder onto a folder item, the
# bar's own item back into its own folder, a file onto the Up button (it
# goes into the folder shown, as anywhere on the bar), one that comes while
# an item's name is being edited (the edit still renames that item); it
# refuses plain text, an empty file list and a malformed one without a
# change; and a close request that comes while a drop waits for the shell's
# question lets the drop finish first. The files are checked after each step.
set -u
EXE=$1 PROBE=$2 OUT=$3
SOURCE=$(dirname "$PROBE")/olb_drag_source.exe
. "$(dirname "$0")/lib.sh"
SOURCE_PID=""
trap 'xdotool keyup ctrl; stop_bar >/dev/null 2>&1
  [ -z "$SOURCE_PID" ] || kill -9 "$SOURCE_PID" 2>/dev/null; finish' EXIT

middle() { awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }' <<<"$1"; }
item_point() { middle "$(probe itemrect TOVB_Form1 "$1")"; }
# A point of the list's empty part, below its last item.
empty_point() { awk -F, '{ print int(($1 + $3) / 2), $4 - 20 }' <<<"$(view_of list_rect)"; }
# Every file below the root and the desk folder, with its content.
files_now() { (cd "$WINEPREFIX/drive_c" && find "$root" olb-desk -type f -exec md5sum {} + | sort); }

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Inbox"
echo keep >"$root/Keep.txt"
desk="$WINEPREFIX/drive_c/olb-desk"
rm -rf "$desk"
mkdir -p "$desk/Pack"
for n in one two three up stay early; do echo "$n" >"$desk/$n.txt"; done
echo inner >"$desk/Pack/inner.txt"
echo new >"$desk/Keep.txt"
d='C:\olb-desk'

# The source program shows its window offering ARGS; a real press on it and
# a move in steps to (X, Y), where the button is let go. With HOLD set, that
# key goes down once the press has made the source the foreground program
# (its keyboard state is what the drag reports).
HOLD=""
drag_from_source() {  # x y args...
  local x=$1 y=$2 step
  shift 2
  wine "$SOURCE" window "$@" </dev/null >"$OUT/drop_journey_source.log" 2>&1 &
  SOURCE_PID=$!
  probe wait OlbDragSource 15000 || return 1
  # The first move stays on the source's window: that is where the drag starts.
  xdotool mousemove 680 340 sleep 0.2 mousedown 1 sleep 0.2 mousemove 670 345 sleep 0.2
  [ -z "$HOLD" ] || xdotool keydown "$HOLD" sleep 0.2
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((670 + (x - 670) * step / 8)) $((345 + (y - 345) * step / 8)) sleep 0.05
  done
  xdotool sleep 0.3 mouseup 1
}
# The source ended and was told that nothing is left for it to do.
source_told_none() {
  wait_exit "$SOURCE_PID" 15
  local rc=$?
  [ "$rc" != 124 ] || kill -9 "$SOURCE_PID" 2>/dev/null
  SOURCE_PID=""
  [ "$rc" = 0 ] && grep -q "effect=0" "$OUT/drop_journey_source.log"
}

# Docked at the left edge: the list runs the screen's height, with room
# below its items.
reg_set_options "$(record 0 0 0)"
check "the bar starts" start_bar
check "it shows the folder and the file" wait_until 5000 view_is list_count 2

read -r ex ey <<<"$(empty_point)"
drag_from_source "$ex" "$ey" "$d\\one.txt" "$d\\two.txt" "$d\\three.txt"
check "three files dropped at once: the source has nothing to delete" source_told_none
check "all three moved into the folder shown" wait_until 5000 \
  test -f "$root/one.txt" -a -f "$root/two.txt" -a -f "$root/three.txt"
check "and left the desk" test ! -e "$desk/one.txt" -a ! -e "$desk/two.txt" -a ! -e "$desk/three.txt"
check "the list shows them" wait_until 5000 view_is list_count 5

read -r ix iy <<<"$(item_point 0)"
drag_from_source "$ix" "$iy" "$d\\Pack"
check "a folder dropped onto the folder item" source_told_none
check "moved into it with its content" wait_until 5000 test -f "$root/Inbox/Pack/inner.txt"
check "and left the desk" test ! -e "$desk/Pack"
check "the list is as it was" wait_until 5000 view_is list_count 5

before=$(files_now)
windows_root='C:\users\'"$(whoami)"'\AppData\Roaming\Ovel Launch Bar'
drag_from_source "$ex" "$ey" "$windows_root\\Keep.txt"
check "the bar's own item dropped back into its folder" source_told_none
sleep 1  # time for a wrong move to happen
check "stays, with every other file" test "$(files_now)" = "$before"
# The same with the bar as the source: a drag of the item to the empty part.
read -r kx ky <<<"$(item_point 1)"
drag "$kx" "$ky" "$ex" "$ey"
sleep 1
check "and dragged within the bar itself" test "$(files_now)" = "$before"
check "the list still shows five items" view_is list_count 5
last_caption() { probe captions TOVB_Form1 | tr -d '\r' | tail -1; }
check "where it stands last, in the bar's own order" test "$(last_caption)" = Keep.txt
open_menu "$ex" "$ey" && menu_pick SortbyName1
keep_second() { [ "$(probe captions TOVB_Form1 | tr -d '\r' | sed -n 2p)" = Keep.txt ]; }
check "puts it back in the shell's order" wait_until 5000 keep_second

read -r ix iy <<<"$(item_point 0)"
sleep 0.6  # not a double click with the drag's release
xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
check "Inbox opens" wait_until 5000 view_is list_count 1
read -r ux uy <<<"$(middle "$(view_of up_rect)")"
drag_from_source "$ux" "$uy" "$d\\up.txt"
check "a file dropped onto the Up button" source_told_none
check "goes into the folder shown, as anywhere on the bar" wait_until 5000 test -f "$root/Inbox/up.txt"
check "not into the folder above" test ! -e "$root/up.txt" -a ! -e "$desk/up.txt"
check "which now lists it" wait_until 5000 view_is list_count 2
xdotool mousemove "$ux" "$uy" click 1
check "Up goes back to the root" wait_until 5000 view_is list_count 5

# A drop while the editor is open on two.txt: early.txt comes in before it,
# and the rows move under the editor.
read -r tx ty <<<"$(item_point 4)"
xdotool mousemove "$tx" "$ty" click 1 sleep 0.6 key F2 sleep 0.5 key ctrl+a type "renamed.txt"
timeout -k 2 30 wine "$SOURCE" drop "$ex" "$ey" none 2 "$d\\early.txt" </dev/null \
  >"$OUT/drop_journey_source.log" 2>&1
check "a drop while a name is edited" wait_until 5000 test -f "$root/early.txt"
xdotool key Return
check "the edit renames the item it was opened on" \
  wait_until 5000 test -f "$root/renamed.txt" -a ! -e "$root/two.txt"
check "and no other" test -f "$root/three.txt" -a -f "$root/one.txt" -a -f "$root/Keep.txt"
# Return is the editor's: the dropped text file must not open in Notepad.
check "and Return started nothing" eval '! probe wait Notepad 3000'

for kind in text empty malformed; do
  before=$(files_now)
  drag_from_source "$ex" "$ey" --offer "$kind" "$d\\stay.txt"
  check "$kind offered instead of files: refused" source_told_none
  sleep 0.5
  check "and nothing changed" test "$(files_now)" = "$before"
  check "the bar lives on" probe wait TOVB_Form1 0
done

# Ctrl copies, and the copy meets the bar's own Keep.txt: the shell asks.
HOLD=ctrl
drag_from_source "$ex" "$ey" "$d\\Keep.txt"
asked=$(probe question TOVB_Form1 10000)
check "a copy onto a taken name brings the shell's question in the bar's process" test $? = 0
echo "$asked" | sed 's/^/     /'
xdotool keyup ctrl
HOLD=""
probe close TOVB_Form1
sleep 1
check "a close request meanwhile leaves the bar up" kill -0 "$BAR_PID" 2>/dev/null
check "the question was not answered by it" test "$(cat "$root/Keep.txt")" = keep
screenshot drop-question-during-close
probe answer TOVB_Form1 6  # Yes: replace
wait_exit "$BAR_PID" 15
check "after the answer the bar closes with code 0" test $? = 0
BAR_PID=""
check "the drop finished first: the copy replaced the old file" test "$(cat "$root/Keep.txt")" = new
check "and the dropped original stays" test "$(cat "$desk/Keep.txt")" = new
wait_exit "$SOURCE_PID" 15 && SOURCE_PID=""
check "the source ended" test -z "$SOURCE_PID"
check "every other file is where it went" test -f "$root/one.txt" -a -f "$root/Inbox/up.txt" \
  -a -f "$root/Inbox/Pack/inner.txt" -a -f "$desk/stay.txt"
rm -rf "$root" "$desk"
