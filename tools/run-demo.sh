#!/bin/bash
# Runs the wizard on the demo suite configuration in tools/demo/, in a Wine prefix
# of its own (build/demo/prefix), started by the installer stand-in.
#
#   tools/run-demo.sh            in a window when a display is available, else headless
#   tools/run-demo.sh --headless under Xvfb: confirms both pages (OK, OK), saves a
#                                picture of each page and shows what changed
#
# The wizard runs as the x86_64 build: this machine cannot run the 32-bit product.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
headless=0
[ "${1:-}" = "--headless" ] && headless=1
[ -z "${DISPLAY:-}" ] && headless=1

"$top/tools/install-deps.sh"
"$top/tools/build.sh" x86_64 --target rlyoset installer >/dev/null

demo=$top/build/demo
bin=$top/build/x86_64/bin
"$top/tests/wine/make-prefix.sh" "$top/build/demo-template"
rm -rf "$demo"
mkdir -p "$demo/before" "$demo/after"
cp -a "$top/build/demo-template" "$demo/prefix"
drive=$demo/prefix/drive_c
export WINEPREFIX=$demo/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINELOADER=$wine

# The suite's files, and the programs the registry names (empty files, so that
# their short names exist).
cp "$top/tools/demo/KOVELT.INI" "$drive/windows/KOVELT.INI"
mkdir -p "$drive/KOVELT/SETTINGS"
cp "$top/tools/demo/settings/"* "$drive/KOVELT/SETTINGS/"
mkdir -p "$drive/Program Files/Word Pad" "$drive/AMIPRO" "$drive/IMAGING"
touch "$drive/Program Files/Word Pad/wordpad.exe" "$drive/AMIPRO/AMIPRO.EXE" "$drive/IMAGING/IMAGING.EXE"
# The machine: printers in WIN.INI and the registered programs.
"$wine" reg import "$(echo "Z:$top/tools/demo/demo.reg" | tr / '\\')" >/dev/null 2>&1
# The template prefix has Wine draw its windows itself, which suits Xvfb (no window
# manager) and its pictures; on a real display the desktop's window manager does.
if [ $headless = 0 ]; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1
fi
wineserver -w

snapshot() {
  cp "$drive/windows/KOVELT.INI" "$1/KOVELT.INI"
  cp "$drive/KOVELT/SETTINGS/"* "$1/"
}
snapshot "$demo/before"

to_windows() { echo "Z:$1" | tr / '\\'; }
if [ $headless = 1 ]; then
  echo "Running the wizard under Xvfb; the stand-in confirms both pages."
  xvfb-run -a -s "-screen 0 1024x768x24" \
    "$wine" "$bin/installer.exe" --confirm "$(to_windows "$demo")" "$(to_windows "$bin/rlyoset.exe")"
else
  echo "Running the wizard on your display; the installer stand-in waits for it to end."
  "$wine" "$bin/installer.exe" "$(to_windows "$bin/rlyoset.exe")"
fi
wineserver -w
snapshot "$demo/after"

echo
echo "What the wizard changed (lines as the files hold them; Wine rewrites changed profile files whole):"
for f in "$demo/before/"*; do
  name=$(basename "$f")
  diff -u -B --label "before/$name" --label "after/$name" <(tr -d '\r' <"$f") \
    <(tr -d '\r' <"$demo/after/$name") || true
done
for page in selection confirmation; do
  if [ -f "$demo/$page.bmp" ]; then
    convert "$demo/$page.bmp" "$demo/$page.png"
    echo "Picture of the $page page: $demo/$page.png"
  fi
done
