#!/usr/bin/env bash
# The item the user chose, with real mouse and keys: a folder and a shortcut
# of one caption ("Tools"), the shortcut clicked, then a change made outside
# the bar: Delete still acts on the shortcut, never on the folder. A folder
# dropped from another drive is copied in; a file written all the time does
# not keep new items from showing. Then F2, a half-typed name and a close
# request: the file keeps its name.
set -u
EXE=$1 PROBE=$2 OUT=$3
SOURCE=$(dirname "$PROBE")/olb_drag_source.exe
. "$(dirname "$0")/lib.sh"
trap finish EXIT

middle() { awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }' <<<"$1"; }
item_point() { middle "$(probe itemrect TOVB_Form1 "$1")"; }
click_item() {
  local x y
  read -r x y <<<"$(item_point "$1")"
  xdotool mousemove "$x" "$y" click 1
}

reg_clear
root=$(root_folder_unix)
rm -rf "$root"
mkdir -p "$root/Tools"
echo kept >"$root/Tools/inside.txt"
echo two >"$root/item2.txt"
winroot='C:\users\'"$(whoami)"'\AppData\Roaming\Ovel Launch Bar'
probe mklink "$winroot\\Tools.lnk" 'C:\windows\notepad.exe'
check "the shortcut is made" test -f "$root/Tools.lnk"

reg_set_options "$(record 0 0 0)"  # left, large icons
check "the bar starts" start_bar
check "it shows the folder, the file and the shortcut" wait_until 5000 view_is list_count 3
# Folders come first: the shortcut is the last row.
click_item 2
check "the shortcut is selected" wait_until 3000 view_is list_selected 2
echo a >"$root/Aaa.txt"
check "the outside change is read" wait_until 5000 view_is list_count 4
check "the shortcut stays selected in its new row" wait_until 3000 view_is list_selected 3
# The shell's question names its kind in its title (a folder's asks about
# "all its content"); its text is painted, not a control's.
asks_about_shortcut() { probe windows | grep -q 'visible=1 class=#32770 title=Confirm file deletion'; }
xdotool key Delete
check "Delete asks about the shortcut" wait_until 5000 asks_about_shortcut
sleep 0.5
screenshot chosen-item-delete
probe command '#32770' 6 >/dev/null  # Yes
check "the shortcut went to the Recycle Bin" wait_until 5000 test ! -e "$root/Tools.lnk"
check "the folder and its content stay" test -f "$root/Tools/inside.txt"
check "the bar shows three items" wait_until 5000 view_is list_count 3

# A folder dropped from another drive (Z: under Wine) is copied in, as the
# shell does between drives.
other=$(mktemp -d /tmp/olb-other-XXXXXX)
mkdir "$other/Kit"
echo kit >"$other/Kit/part.txt"
read -r x y <<<"$(awk -F, '{ print int(($1 + $3) / 2), $4 - 20 }' <<<"$(view_of list_rect)")"
kit=$(timeout -k 2 30 wine winepath -w "$other/Kit" </dev/null 2>/dev/null | tr -d '\r')
timeout -k 2 30 wine "$SOURCE" drop "$x" "$y" none 3 "$kit" </dev/null >"$OUT/chosen_item_source.log" 2>&1
check "a folder dropped from another drive is copied into the bar" \
  wait_until 5000 test -f "$root/Kit/part.txt"
check "and stays where it was" test -f "$other/Kit/part.txt"
check "the bar shows it" wait_until 5000 view_is list_count 4
rm -rf "$other"

# A file written every 100 ms for 8 s: a new item still shows meanwhile.
(for i in $(seq 80); do echo "$i" >>"$root/log.txt"; sleep 0.1; done) &
writer=$!
sleep 1
echo new >"$root/New.txt"
check "a new item shows while another file is written all the time" \
  wait_until 5000 view_is list_count 6
check "the writer was still at work" kill -0 "$writer"
wait "$writer"

# Folders first: item2.txt is the last row now.
sleep 0.6  # the next click is no double click
click_item 3
xdotool sleep 0.6 key F2 sleep 0.5
xdotool key ctrl+a type --delay 30 "unfinished"
sleep 0.3
screenshot chosen-item-rename
probe close TOVB_Form1 >/dev/null
rc=0
wait_exit "$BAR_PID" 15 || rc=$?
check "a close request during the rename ends the bar with code 0" test "$rc" = 0
[ "$rc" = 124 ] && kill -9 "$BAR_PID" 2>/dev/null
BAR_PID=""
check "the file keeps its name" test -f "$root/item2.txt"
check "nothing was renamed" test -z "$(ls "$root" | grep -i unfinished)"
rm -rf "$root"
