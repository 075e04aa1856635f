#!/bin/bash
# Installs what is needed, builds both targets and runs every test:
#   i686   (the product): static checks of the program file; it cannot run here.
#   x86_64: the same checks, and the test programs under wine64 with Xvfb.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
"$top/tools/build.sh" i686
"$top/tools/build.sh" x86_64
status=0
(cd "$top/build/i686" && ctest --output-on-failure) || status=1
(cd "$top/build/x86_64" && xvfb-run -a -s "-screen 0 1024x768x24" \
   ctest -j"$(nproc)" --output-on-failure --timeout 600) || status=1
exit $status
