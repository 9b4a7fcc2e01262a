#!/usr/bin/env bash
# A new user's first start in the real program: the wizard's pages with no
# text cut, the answers kept by a program that exits at once, the root folder
# free to be renamed while the bar runs, the Run value quoted and the menu's
# Autoload mark following it, and the About page.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
trap finish EXIT

reg_clear
rm -rf "$(root_folder_unix)" "$(root_folder_unix) renamed"
reg_add_run_key
timeout -k 2 30 wine reg delete "$run_key" /v "Ovel Launch Bar" /f </dev/null >/dev/null 2>&1

# Waits until the wizard shows the page whose labels include TEXT.
page_shows() { probe labels TForm6 | grep -q "$1"; }
wait_page() { wait_until 10000 page_shows "$1"; }
# Screenshot and label check of the page up now.
look_at_page() {  # name
  sleep 0.3
  screenshot "$1"
  probe labels TForm6 >"$OUT/$1-labels.txt"
  local rc=$?
  sed 's/^/     /' "$OUT/$1-labels.txt"
  return $rc
}

wine "$EXE" </dev/null >"$OUT/bar.log" 2>&1 &
BAR_PID=$!
check "a first start shows the wizard's first step" wait_page "Step1"
check "no text of step 1 is cut or reaches the panel's edge" look_at_page wizard-step1
probe command TForm6 1
check "Next shows step 2" wait_page "Step2"
check "no folder is made before the answers are saved" test ! -e "$(root_folder_unix)"
probe click TForm6 106  # Autoload on (it starts unticked: no Run value yet)
probe click TForm6 107  # AutoHide off
probe click TForm6 108  # Always on Top on
check "no text of step 2 is cut or reaches the panel's edge" look_at_page wizard-step2
probe command TForm6 1
check "Next shows step 3" wait_page "Step3"
check "no text of step 3 is cut or reaches the panel's edge" look_at_page wizard-step3
probe command TForm6 1
check "after the wizard the bar shows" probe wait TOVB_Form1 15000

# The record: Size, Edge, AutoHide, AlwaysOnTop ... as little-endian hex.
field_of_record() { reg_options | cut -c"$1"-"$(($1 + 7))"; }
check "the answers are stored once the wizard ends: AutoHide off" \
  test "$(field_of_record 17)" = 00000000
check "and Always on Top on" test "$(field_of_record 25)" = 01000000
exe_windows=$(timeout -k 2 30 wine winepath -w "$EXE" </dev/null 2>/dev/null | tr -d '\r')
check "the Run value is the program's path in quotes" test "$(reg_run_value)" = "\"$exe_windows\""

# Exiting right after the wizard keeps the answers.
stop_bar
check "exiting right after the wizard ends with code 0" test $? = 0
check "the bar starts again" start_bar
check "without the wizard" probe gone TForm6 0
check "Always on Top is kept: the bar is topmost" test "$(info_of topmost)" = 1
check "and the record still has AutoHide off, Always on Top on" \
  test "$(field_of_record 17)$(field_of_record 25)" = 0000000001000000

# The process does not sit in the root folder: it can be renamed meanwhile.
# The bar then shows none of its items, names it and offers to make it
# again; once it is back the bar shows it again.
root_windows=$(timeout -k 2 30 wine winepath -w "$(root_folder_unix)" </dev/null 2>/dev/null | tr -d '\r')
root_count=$(view_of list_count)
check "the root folder can be renamed while the bar runs" \
  probe rename "$root_windows" "$root_windows renamed"
# The message box's text: its static control is 0xFFFF on Windows, 100 under Wine.
box_text() { probe text '#32770' 65535 2>/dev/null || probe text '#32770' 100; }
asks_about_root() { box_text | grep -qF "\"$root_windows\" was removed or renamed"; }
check "the bar asks about its gone folder, naming it" wait_until 5000 asks_about_root
check "and shows no stale item" view_is list_count 0
sleep 0.5
screenshot root-gone
check "the folder is renamed back" probe rename "$root_windows renamed" "$root_windows"
probe command '#32770' 7 >/dev/null  # No: nothing is made
check "the bar shows the root's $root_count items again" \
  wait_until 5000 view_is list_count "$root_count"

# The floating bar's title strip runs along its left side.
rect=$(info_of rect)
IFS=, read -r left top right bottom <<<"$rect"
mx=$((left + 8)) my=$(((top + bottom) / 2))
# The probe cannot read another process's menu under Wine: the marks are
# counted on screen instead, as the dark pixels of the menu's check column.
# Large Icons and Always on Top keep their marks meanwhile, so the count
# changes exactly with Autoload's.
menu_marks() {
  open_menu "$mx" "$my" >/dev/null || return 1
  sleep 0.3
  local r l t rr b
  r=$(probe info '#32768' | sed -n 's/^rect=//p')
  IFS=, read -r l t rr b <<<"$r"
  screenshot menu-marks
  convert "$OUT/menu-marks.png" -crop "14x$((b - t))+$((l + 3))+$t" -format %c histogram:info:- |
    awk '/#000000/ { n = $1 + 0 } END { print n + 0 }'
  xdotool key Escape
  probe gone '#32768' 5000
}
choose_autoload() { open_menu "$mx" "$my" && menu_pick Autoload1 && probe gone '#32768' 5000; }
run_value_is() { [ "$(reg_run_value)" = "$1" ]; }

marks_on=$(menu_marks)
screenshot menu-autoload-on
choose_autoload
check "choosing the checked Autoload removes the Run value" wait_until 5000 reg_run_value_gone
marks_off=$(menu_marks)
echo "     check-mark pixels: $marks_on with the Run value, $marks_off without"
check "and its check mark goes" test "$marks_off" -gt 0 -a "$marks_off" -lt "$marks_on"
choose_autoload
check "choosing it again writes the quoted path" wait_until 5000 run_value_is "\"$exe_windows\""
check "and the mark comes back" test "$(menu_marks)" = "$marks_on"
timeout -k 2 30 wine reg add "$run_key" /v "Ovel Launch Bar" /d 'C:\elsewhere\bar.exe' /f \
  </dev/null >/dev/null 2>&1
check "a Run value naming another program shows unchecked" test "$(menu_marks)" = "$marks_off"
choose_autoload
check "choosing it replaces that value with this program" \
  wait_until 5000 run_value_is "\"$exe_windows\""

timeout -k 2 30 wine reg delete "$run_key" /v "Ovel Launch Bar" /f </dev/null >/dev/null 2>&1
xdotool key shift+alt+F11
check "Shift+Alt+F11 in the list writes the quoted path" \
  wait_until 5000 run_value_is "\"$exe_windows\""

open_menu "$mx" "$my" && menu_pick About1
check "About opens from the menu" wait_page "Product Name"
check "no text of the About page is cut or reaches the panel's edge" look_at_page about
probe command TForm6 2
check "Cancel closes it" probe gone TForm6 5000
stop_bar
check "the bar ends with code 0" test $? = 0
