#!/usr/bin/env bash
# Runs the whole test suite of both builds (normal, and the sanitizer build) over and over while
# busy processes load the CPUs, and reports how many tests failed:
# tools/stress.sh [rounds] [busy] (3 rounds by default; busy processes, `nproc` by default: four
# times the cores makes the load that every test must hold, each well within its timeout). Every
# test must hold at any load: the whole-program runs keep the script's clock, and the tests that
# drive a real window wait for what they need to see, never for a time. The load processes are
# started and stopped here, by their process ids.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-3}"
busy="${2:-$(nproc)}"
if ! [[ "$rounds" =~ ^[0-9]+$ && "$busy" =~ ^[0-9]+$ ]]; then
  echo "usage: tools/stress.sh [rounds] [busy processes]" >&2
  exit 2
fi

. tools/quietly.sh

for preset in default asan; do
  quietly cmake --preset "$preset"
  quietly cmake --build --preset "$preset"
done

load=()
stop_load() {
  for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${load[@]}"; do wait "$pid" 2>/dev/null || true; done
  load=()
}
trap stop_load EXIT
for _ in $(seq "$busy"); do
  ( while :; do :; done ) &
  load+=($!)
done

echo "== $rounds rounds of both builds' tests, $busy busy processes beside them on $(nproc) cores"
start=$(date +%s)
failed=0
for r in $(seq "$rounds"); do
  for preset in default asan; do
    dir=build; [ "$preset" = asan ] && dir=build-asan
    mkdir -p "$dir/stress"
    log="$dir/stress/round$r.log"
    t0=$(date +%s)
    if ctest --preset "$preset" >"$log" 2>&1; then
      echo "round $r $preset: ok ($(grep -oE 'out of [0-9]+' "$log" | grep -oE '[0-9]+$') tests, $(( $(date +%s) - t0 )) s," \
           "load $(cut -d' ' -f1 /proc/loadavg))"
    else
      n=$(grep -oE '[0-9]+ tests failed out of' "$log" | grep -oE '^[0-9]+' || echo '?')
      echo "round $r $preset: $n failed (see $log)"
      grep -E '^\s+[0-9]+ - ' "$log" | sed 's/^/    /' || true
      failed=$((failed + ${n/\?/1}))
    fi
    echo "    slowest: $(sed -n -E 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) .* ([0-9.]+) sec$/\2 s \1/p' "$log" |
                        sort -rn | head -3 | paste -sd ',' | sed 's/,/, /g')"
  done
done
stop_load
echo "failures: $failed in $rounds rounds, $(( $(date +%s) - start )) s"
[ "$failed" -eq 0 ]
