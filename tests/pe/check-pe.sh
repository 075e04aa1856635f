#!/bin/bash
# Checks a built rlyoset.exe without running it: machine, GUI subsystem 4.0,
# imports from system DLLs only, and the resources the wizard needs.
# Usage: check-pe.sh OBJDUMP WINDRES EXE ARCH(i686|x86_64) [RESOURCE...]
# Each RESOURCE is the start of a line of the resources dumped as a script,
# such as "101 DIALOGEX".
set -u
objdump=$1 windres=$2 exe=$3 arch=$4
shift 4
fail=0
bad() { echo "FAIL: $*"; fail=1; }

headers=$("$objdump" -p "$exe") || { echo "FAIL: cannot read $exe"; exit 1; }
format=$("$objdump" -f "$exe")
case $arch in
  i686) echo "$format" | grep -q 'file format pei-i386' || bad "not a PE i386 file" ;;
  x86_64) echo "$format" | grep -q 'file format pei-x86-64' || bad "not a PE x86-64 file" ;;
esac
echo "$headers" | grep -Eq '^Subsystem[[:space:]]+00000002' || bad "subsystem is not Windows GUI"
echo "$headers" | grep -Eq '^MajorSubsystemVersion[[:space:]]+4$' || bad "major subsystem version is not 4"
echo "$headers" | grep -Eq '^MinorSubsystemVersion[[:space:]]+0$' || bad "minor subsystem version is not 0"

allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|msvcrt)\.dll$'
dlls=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || bad "no imports found"
for dll in $dlls; do
  echo "$dll" | grep -Eiq "$allowed" || bad "imports a non-system DLL: $dll"
done

rc=$("$windres" -i "$exe" -O rc 2>/dev/null)
for want in "$@"; do
  echo "$rc" | grep -q "^$want" || bad "resource missing: $want"
done

[ $fail = 0 ] && echo "PE checks passed: $exe ($arch; imports: $(echo $dlls))"
exit $fail
