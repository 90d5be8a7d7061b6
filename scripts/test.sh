#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the default build,
# the sanitizer build (address + undefined behaviour, clang), and each fuzz target
# of the sanitizer build for a short bounded time. Ends with one line
# "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1

jobs=${KELVO_JOBS:-$(nproc)}
passed=0
failed=0
log=$(mktemp)

# Adds the counts of one ctest run to the totals.
count_ctest() {
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

run_suite() {
  local preset=$1
  echo "== build: $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"; }; then
    echo "build of $preset failed"
    failed=$((failed + 1))
    return
  fi
  echo "== tests: $preset"
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log"
  count_ctest
}

run_suite default
run_suite asan

echo "== fuzz"
if scripts/run-fuzzers.sh build-asan "${KELVO_FUZZ_SECONDS:-10}"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

rm -f "$log"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
