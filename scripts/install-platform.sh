#!/usr/bin/env bash
# Installs the platform (libkelvoplatform.so, REGSVR32.EXE, formrun) into the
# system directory $KELVO_ROOT/system32, building it first when needed. The
# root is worked out as the platform does: $KELVO_ROOT, else
# ${XDG_DATA_HOME:-$HOME/.local/share}/kelvo. The public headers and the CMake
# package KelvoControls go into $KELVO_ROOT/include and $KELVO_ROOT/lib/cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${KELVO_ROOT:-${XDG_DATA_HOME:-$HOME/.local/share}/kelvo}
[ -f build/CMakeCache.txt ] || cmake --preset default >/dev/null
cmake --build build -j "$(nproc)" --target kelvoplatform regsvr32 formrun
cmake --install build --prefix "$root" --component platform
echo "The platform is installed in $root/system32"
echo "Programs build on it with find_package(KelvoControls) and -DCMAKE_PREFIX_PATH=$root"
