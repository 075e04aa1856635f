#!/bin/bash
# Configures and builds one target: tools/build.sh i686|x86_64 [cmake build args...]
# The build lands in build/<arch>.
set -eu
arch=$1; shift
top=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$top" -B "$top/build/$arch" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build/$arch" -j"$(nproc)" "$@"
