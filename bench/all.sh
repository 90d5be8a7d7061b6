#!/usr/bin/env bash
# Runs every benchmark program of a build and prints one table: each
# benchmark's median wall-clock and CPU times and their ratios to its
# program's baseline, measured in the same run (bench/ratios.sh). The
# repaint benchmark needs a display: without one it runs under xvfb-run.
#
#   bench/all.sh              # the programs in build/bin
#   bench/all.sh build/bin
set -euo pipefail
here=$(dirname "$0")
bin=${1:-build/bin}

# The benchmark each program's ratios are to; a program not named here is
# measured against its first benchmark.
declare -A baseline_of
for entry in \
  surface_bench:BM_FilledBox \
  textedit_bench:BM_SurfaceFillAndPrint30 \
  numberedit_bench:BM_SurfaceFillAndPrintNumber \
  button_bench:BM_SurfaceFillAndText \
  copyfile_bench:BM_Cp \
  enginer_bench:BM_FocusSweep/100 \
  form_scale_bench:BM_LoadFormFile/1000 \
  sdl_repaint_bench:BM_HeadlessKeyToComposedPicture; do
  baseline_of[${entry%%:*}]=${entry#*:}
done

display=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then display=(xvfb-run -a); fi

echo "load: $(uptime | sed 's/.*load average: //')"
printf '%-18s %s\n' program "benchmark, wall-clock and CPU time, ratio to the program's baseline"
for path in "$bin"/*_bench; do
  program=$(basename "$path")
  baseline=${baseline_of[$program]:-$("$path" --benchmark_list_tests | head -n 1)}
  runner=()
  [ "$program" = sdl_repaint_bench ] && runner=("${display[@]}")
  "${runner[@]}" "$here/ratios.sh" "$path" "$baseline" | sed "s|^|$(printf '%-18s ' "$program")|"
done
