#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time each, starting from
# its seed corpus in fuzz/corpus/<target>/ when there is one.
set -uo pipefail
build=${1:-build-asan}
seconds=${2:-20}
status=0
for target in "$build"/bin/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "-- $name for ${seconds}s"
  if "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$work/" "$work" "${seeds[@]}" >"$work/log" 2>&1; then
    tail -n 1 "$work/log"
  else
    echo "$name failed:"
    tail -n 40 "$work/log"
    status=1
  fi
  rm -rf "$work"
done
exit $status
