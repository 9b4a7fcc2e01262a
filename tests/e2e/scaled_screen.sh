#!/usr/bin/env bash
# On a screen of 144 DPI (150%) the wizard and the bar are laid out at 1.5
# times their design: every control of each wizard page inside the window,
# every text fitting its control in the font of that DPI. The record the
# wizard stores brings the next start's bar up where and as large as the
# first start showed it, wholly on the 1024 x 768 screen. The Settings
# window's texts fit at that DPI too.
set -u
EXE=$1 PROBE=$2 OUT=$3
. "$(dirname "$0")/lib.sh"
dpi_key='HKCU\Control Panel\Desktop'
set_dpi() { timeout -k 2 30 wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1; }
trap 'stop_bar >/dev/null 2>&1; set_dpi 96; finish' EXIT

set_dpi 144
reg_clear
rm -rf "$(root_folder_unix)"
reg_add_run_key

look_at_page() {  # caption of the OK button, screenshot name
  wait_text TForm6 1 "$1" 15000 || return 1
  sleep 0.3
  screenshot "$2"
  probe labels TForm6 >"$OUT/$2-labels.txt"
  local rc=$?
  grep -v '^fits' "$OUT/$2-labels.txt" | sed 's/^/     /'
  return $rc
}

wine "$EXE" </dev/null >"$OUT/bar.log" 2>&1 &
BAR_PID=$!
check "step 1 at 144 DPI: every control inside, no text cut" look_at_page Next scaled-step1
check "the wizard's client area is 1.5 times 402 x 243" \
  test "$(probe info TForm6 | sed -n 's/^client=//p')" = 603x365
probe command TForm6 1
sleep 0.5
check "step 2 likewise" look_at_page Next scaled-step2
probe command TForm6 1
sleep 0.5
check "step 3 likewise" look_at_page OK scaled-step3
probe command TForm6 1
check "after the wizard the bar shows" probe wait TOVB_Form1 15000
sleep 0.5
screenshot scaled-bar
first_rect=$(info_of rect)
IFS=, read -r left top right bottom <<<"$first_rect"
check "the new floating bar is 1.5 times 100 wide" test $((right - left)) = 150
IFS=, read -r left top right bottom <<<"$(probe view TOVB_Form1 | sed -n 's/^up_rect=//p')"
check "and its Up button 1.5 times 30 high" test $((bottom - top)) = 45
stop_bar
check "the bar ends with code 0" test $? = 0

check "the bar starts again" start_bar
check "without the wizard" probe gone TForm6 0
sleep 0.5
screenshot scaled-second-start
second_rect=$(info_of rect)
echo "     first start $first_rect, second start $second_rect"
check "where the first start left it" test "$second_rect" = "$first_rect"
IFS=, read -r left top right bottom <<<"$second_rect"
check "wholly on the screen" test "$left" -ge 0 -a "$top" -ge 0 -a "$right" -le 1024 -a "$bottom" -le 768

# The Settings window at 144 DPI: no text cut either.
edge=float
check "the menu opens on the title strip" open_menu $(title_point 100)
menu_pick Settings1
check "Settings opens" probe wait TSettingsForm 5000
sleep 0.3
screenshot scaled-settings
probe labels TSettingsForm >"$OUT/scaled-settings-labels.txt"
check "every Settings label fits at 144 DPI" test $? = 0
grep -v '^fits' "$OUT/scaled-settings-labels.txt" | sed 's/^/     /'
xdotool key Escape
probe gone TSettingsForm 5000 >/dev/null
stop_bar
check "the second start ends with code 0" test $? = 0
