#!/usr/bin/env bash
# Opens the built help file with a CHM reader of Linux (7-Zip) and checks
# it: every page the contents name is inside, every link between pages leads
# to a page that is inside, and the default topic is the introduction, which
# is the topic the program opens.
set -u
CHM=$1
. "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"; echo "help_file: $PASSED passed, $FAILED failed"; [ "$FAILED" -eq 0 ]' EXIT

check "7-Zip opens the help file" 7z x -y -o"$dir" "$CHM" >/dev/null
check "it holds its contents file" test -s "$dir/contents.hhc"

mapfile -t pages < <(grep -o 'name="Local" value="[^"]*"' "$dir/contents.hhc" | sed 's/.*value="//; s/"$//')
check "the contents name pages" test "${#pages[@]}" -gt 0
for page in "${pages[@]}"; do
  check "the contents' page $page is inside" test -s "$dir/$page"
done
for file in "$dir"/*.htm; do
  for link in $(grep -o 'href="[^"#:]*' "$file" | sed 's/href="//'); do
    check "the link from $(basename "$file") to $link leads to a page inside" test -s "$dir/$link"
  done
done

# The #SYSTEM file: a 4-byte version, then records of a 2-byte code, a
# 2-byte length and that many bytes; code 2 holds the default topic.
default_topic() {
  local -a b
  mapfile -t b < <(od -An -v -tu1 "$dir/#SYSTEM" | tr -s ' ' '\n' | sed '/^$/d')
  local i=4 code len
  while [ $((i + 4)) -le ${#b[@]} ]; do
    code=$((b[i] + 256 * b[i + 1]))
    len=$((b[i + 2] + 256 * b[i + 3]))
    if [ "$code" -eq 2 ]; then
      local text="" j
      for ((j = i + 4; j < i + 4 + len && b[j] != 0; j++)); do text+=$(printf "\\$(printf '%03o' "${b[j]}")"); done
      echo "$text"
      return 0
    fi
    i=$((i + 4 + len))
  done
  return 1
}
topic=$(default_topic)
echo "     default topic: $topic"
check "the default topic is the introduction" test "$topic" = introduction.htm
check "the introduction is inside (the program opens ::/introduction.htm)" \
  test -s "$dir/introduction.htm"
