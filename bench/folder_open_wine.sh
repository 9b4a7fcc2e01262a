#!/usr/bin/env bash
# Runs the Wine folder-open benchmark on 10,000 shortcut files, made from
# Linux (making them inside Wine costs about 2 ms a file). Needs a running
# session: scripts/wine-session start. Usage: folder_open_wine.sh [files] [runs]
set -euo pipefail
OLB_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$OLB_ROOT/scripts/wine-env"
files=${1:-10000} runs=${2:-3}
bench="$OLB_ROOT/build/win/bench/folder_open_wine.exe"
probe="$OLB_ROOT/build/win/tests/e2e/olb_probe.exe"
dir="$WINEPREFIX/drive_c/olb-bench"
rm -rf "$dir" && mkdir -p "$dir"
timeout -k 2 30 wine "$probe" mklink 'C:\olb-bench\model.lnk' 'C:\windows\system32\notepad.exe' \
  </dev/null >/dev/null 2>&1
for i in $(seq "$files"); do cp "$dir/model.lnk" "$dir/Shortcut $i.lnk"; done
rm "$dir/model.lnk"
out=$(mktemp)
timeout -k 2 600 wine "$bench" 'C:\olb-bench' "$runs" </dev/null >"$out" 2>&1 || true
tr -d '\r' <"$out"
rm -f "$out"
rm -rf "$dir"
