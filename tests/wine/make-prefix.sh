#!/bin/bash
# Creates the template Wine prefix that every test binary gets a copy of.
# Usage: make-prefix.sh DIR   (does nothing when DIR already holds a finished prefix)
set -eu
dir=$1
[ -f "$dir/.rlyoset-ready-2" ] && exit 0
rm -rf "$dir"
mkdir -p "$(dirname "$dir")"
export WINEPREFIX=$dir WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The wine64 loader directly: the 32-bit one cannot run on this machine.
wine_loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine_loader" ] || wine_loader=wine
WINELOADER=$wine_loader "$wine_loader" wineboot -i >/dev/null 2>&1 || true
# A crashing test program must end, not wait in Wine's debugger.
WINELOADER=$wine_loader "$wine_loader" reg add \
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f >/dev/null 2>&1
# There is no window manager under Xvfb: Wine then waits about 2 s whenever a
# managed window is hidden or destroyed. Windows that Wine draws itself (title bar
# included) cost nothing of the sort.
WINELOADER=$wine_loader "$wine_loader" reg add \
  'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
[ -f "$dir/system.reg" ] || { echo "wineboot did not create $dir" >&2; exit 1; }
touch "$dir/.rlyoset-ready-2"
