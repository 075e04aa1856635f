#!/bin/bash
# Installs what building and testing need on Debian 12, as root. Safe to run again:
# it only calls apt when a package is missing. Never installs wine32: the machine
# cannot run 32-bit code, and with wine32 present the wine launcher fails.
set -eu
# wine brings the wine and wineserver launchers; wine64 the 64-bit loader.
packages="cmake make mingw-w64 wine wine64 xvfb xauth googletest imagemagick"
missing=""
for p in $packages; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "missing packages:$missing (run as root to install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing >/dev/null
