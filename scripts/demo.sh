#!/usr/bin/env bash
# Installs what is missing, builds, registers KLVCTL32.OCX and runs the demo:
# the customer card in a window when a display is there, otherwise headless,
# writing its picture to out/demo.png. Arguments go to the demo (--help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
# Only what the demo needs: the platform, the control library, the tools and
# the demo itself. scripts/test.sh builds the rest (tests, benchmarks, setup).
cmake --build --preset default -j "$(nproc)" --target kelvoplatform klvctl32 regsvr32 formrun demo
mkdir -p out
# The demo's own registry, so that running it changes nothing else.
export KELVO_ROOT=${KELVO_ROOT:-$PWD/out/root}
./build/bin/REGSVR32.EXE /s build/bin/KLVCTL32.OCX
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  set -- --headless --snapshot out/demo.png
fi
./build/bin/demo "$@"
