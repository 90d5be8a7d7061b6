#!/usr/bin/env bash
# Runs one benchmark program and prints each benchmark's median wall-clock and
# CPU times as ratios to a baseline benchmark of the same run, so that results
# from loaded or different machines compare. Wall-clock time is the one that
# counts where another process does part of the work (the X server).
#
#   bench/ratios.sh build/bin/textedit_bench BM_SurfaceFillAndPrint30
#   xvfb-run -a bench/ratios.sh build/bin/sdl_repaint_bench BM_HeadlessKeyToComposedPicture
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: bench/ratios.sh BENCHMARK_PROGRAM BASELINE_NAME" >&2
  exit 2
fi
program=$1 baseline=$2
"$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, -v base="$baseline" '
    $1 ~ /_median"?$/ {
      name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
      order[++n] = name; real[name] = $3; cpu[name] = $4; unit[name] = $5
    }
    END {
      if (!(base in cpu)) { print "no benchmark named " base > "/dev/stderr"; exit 1 }
      for (i = 1; i <= n; ++i) {
        name = order[i]
        printf "%-36s wall %9.0f %s %6.2fx   cpu %9.0f %s %6.2fx\n", name, real[name], unit[name],
               real[name] / real[base], cpu[name], unit[name], cpu[name] / cpu[base]
      }
    }'
