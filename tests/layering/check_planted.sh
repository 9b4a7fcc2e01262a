#!/usr/bin/env bash
# The layering check must fail on the planted tree and name every planted
# file: one rule that stopped working would otherwise hide behind the others.
set -u
here=$(cd "$(dirname "$0")" && pwd)
out=$(bash "$here/../../scripts/check-layering" "$here/planted")
rc=$?
status=0
[ "$rc" -eq 1 ] || { echo "check-layering exited $rc on the planted tree, not 1"; status=1; }
while IFS= read -r file; do
  rel=${file#"$here/planted/"}
  grep -q "src/$rel:" <<<"$out" || { echo "not reported: $rel"; status=1; }
done < <(find "$here/planted" -name '*.h' | sort)
[ "$status" -eq 0 ] && echo "check-layering reports every planted violation"
exit "$status"
