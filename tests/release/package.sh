#!/usr/bin/env bash
# The portable zip: exactly its five files, a stripped program of at most
# 1 MB that needs no DLL beyond Windows' own, carrying the release's version.
set -u
ZIP=$1 VERSION=$2
. "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

listed=$(unzip -Z1 "$ZIP" | sort | tr '\n' ' ')
echo "     $(basename "$ZIP"): $listed"
check "the zip holds exactly the program, its help, the readme, the licence and the portable marker" \
  test "$listed" = "License.txt OvelLaunchBar.CHM OvelLaunchBar.exe Portable.txt Readme.txt "
unzip -q "$ZIP" -d "$dir"
exe="$dir/OvelLaunchBar.exe"
size=$(stat -c %s "$exe")
echo "     OvelLaunchBar.exe: $size bytes"
check "the program is at most 1 MB" test "$size" -le 1048576
# Each tool's output is taken whole first: a tool that fails fails the
# check, rather than handing an empty text to a pipe.
symbols=$(i686-w64-mingw32-objdump -t "$exe") && sections=$(i686-w64-mingw32-objdump -h "$exe")
check "the program carries no symbols" \
  bash -c '[[ $0 == *"no symbols"* && $1 != *debug* ]]' "${symbols:-}" "${sections:-debug}"
headers=$(i686-w64-mingw32-objdump -p "$exe")
check "its import table can be read" test $? = 0 -a -n "$headers"
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
echo "     imports: $dlls"
system="ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEAUT32.DLL SHELL32.DLL SHLWAPI.DLL USER32.DLL"
foreign=""
for d in $dlls; do [[ " $system " == *" $d "* ]] || foreign="$foreign $d"; done
check "the program imports only Windows' own DLLs${foreign:+ (not:$foreign)}" test -z "$foreign"
check "the program's version resource says $VERSION.0" \
  bash -c "strings -el '$exe' | grep -A1 -x FileVersion | tail -n1 | grep -qx '$VERSION.0'"
check "the readme names the version" grep -q "Ovel Launch Bar $VERSION" "$dir/Readme.txt"

echo "package: $PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
