#!/bin/bash
# Runs one Windows program under wine64 in a fresh copy of the template prefix,
# with an X display (Xvfb when none is set), and ends every Wine process after it.
# Usage: run.sh TEMPLATE_PREFIX PROGRAM.exe [ARGS...]
set -u
template=$1; shift
program=$1; shift
work=$(mktemp -d "${TMPDIR:-/tmp}/rlyoset-test.XXXXXX")
cleanup() {
  WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$template" "$work/prefix"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine_loader" ] || wine_loader=wine
export WINELOADER=$wine_loader
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24" "$wine_loader" "$program" "$@"
else
  "$wine_loader" "$program" "$@"
fi
rc=$?
WINEPREFIX=$work/prefix wineserver -w >/dev/null 2>&1
exit $rc
