#!/usr/bin/env bash
# Runs the tests that drive the program from outside (ctest labels app and platform: tests/app and
# tests/platform) over and over in the sanitizer build while `nproc` busy processes keep every CPU
# loaded, and reports how many runs failed: tools/stress.sh [rounds] (10 by default).
# The load processes are started and stopped here, by their process ids.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-10}"
cpus=$(nproc)

cmake --preset asan >/dev/null
cmake --build --preset asan -j4 --target tolv tolv_app_tests tolv_app_x11_tests tolv_platform_tests

load=()
stop_load() {
  for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${load[@]}"; do wait "$pid" 2>/dev/null || true; done
  load=()
}
trap stop_load EXIT
for _ in $(seq "$cpus"); do
  ( while :; do :; done ) &
  load+=($!)
done

mkdir -p build-asan/stress
echo "== $rounds rounds of the app and platform tests, $cpus busy processes beside them"
start=$(date +%s)
failed=0
for r in $(seq "$rounds"); do
  log="build-asan/stress/round$r.log"
  if ctest --preset asan -L '^(app|platform)$' >"$log" 2>&1; then
    echo "round $r: ok ($(grep -oE '[0-9]+ tests failed out of [0-9]+' "$log" | grep -oE '[0-9]+$') tests)"
  else
    n=$(grep -oE '[0-9]+ tests failed out of' "$log" | grep -oE '^[0-9]+' || echo '?')
    echo "round $r: $n failed (see $log)"
    grep -E '^\s+[0-9]+ - ' "$log" | sed 's/^/    /' || true
    failed=$((failed + ${n/\?/1}))
  fi
done
stop_load
echo "failures: $failed in $rounds rounds, $(( $(date +%s) - start )) s"
[ "$failed" -eq 0 ]
