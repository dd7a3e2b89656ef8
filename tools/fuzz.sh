#!/usr/bin/env bash
# Builds the loaders' libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for a bounded time: tools/fuzz.sh [seconds-per-target] [target...]
# (30 s and every target by default; the names are those of tests/fuzz/fuzz_<name>.cpp).
# TOLV_FUZZ_JOBS targets run side by side (3 by default). Each target keeps its corpus in
# build-fuzz/corpus/<name>/, starts from its seeds (shipped files and hand-made inputs the target
# writes) and its committed regressions (tests/fuzz/regressions/<name>/), and leaves what it finds
# in build-fuzz/artifacts/<name>/. Exit code: 0 when no target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
secs="${1:-30}"
[ $# -gt 0 ] && shift
jobs="${TOLV_FUZZ_JOBS:-3}"
all=$(sed -n '/^set(TOLV_FUZZ_TARGETS/,/)/p' tests/fuzz/CMakeLists.txt | tr -d '()' |
      sed 's/set\s*TOLV_FUZZ_TARGETS//')
targets=("$@")
[ ${#targets[@]} -eq 0 ] && read -r -a targets <<< "$(echo $all)"
for t in "${targets[@]}"; do
  case " $(echo $all) " in *" $t "*) ;; *) echo "fuzz.sh: no target $t (targets: $(echo $all))" >&2; exit 2 ;; esac
done

cmake -S . -B build-fuzz -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link -fno-omit-frame-pointer" -DTOLV_SANITIZE=ON \
  -DTOLV_FUZZ=ON -DTOLV_TESTS=ON -DTOLV_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}" -j4

out="$root/build-fuzz"
export UBSAN_OPTIONS=print_stacktrace=1
declare -A pid_of
run() {
  local t=$1 bin="$out/tests/fuzz/fuzz_$1"
  rm -rf "$out/seeds/$t"
  mkdir -p "$out/seeds/$t" "$out/corpus/$t" "$out/artifacts/$t" "$out/logs"
  TOLV_FUZZ_SEED_DIR="$out/seeds/$t" "$bin" -runs=0 >/dev/null 2>&1 || true
  local dirs=("$out/corpus/$t" "$out/seeds/$t")
  [ -d "$root/tests/fuzz/regressions/$t" ] && dirs+=("$root/tests/fuzz/regressions/$t")
  exec "$bin" "${dirs[@]}" -max_total_time="$secs" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=3 \
    -print_final_stats=1 -artifact_prefix="$out/artifacts/$t/" >"$out/logs/$t.log" 2>&1
}

echo "== fuzzing ${#targets[@]} targets, ${secs} s each, ${jobs} at a time"
failed=()
finish() {  # waits for the target's process and reports it
  local t=$1 rc=0
  wait "${pid_of[$t]}" || rc=$?
  rm -rf "/dev/shm/tolv-fuzz-${pid_of[$t]}" 2>/dev/null || true
  local log="$out/logs/$t.log" last execs
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  execs=$(sed -n 's/^stat::average_exec_per_sec:\s*//p' "$log")
  printf '%-16s %s  exec/s %-6s %s\n' "$t" "$([ $rc -eq 0 ] && echo ok || echo FAULT)" "${execs:-?}" \
    "$(echo "$last" | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[^ ]+' || true)"
  if [ $rc -ne 0 ]; then
    failed+=("$t")
    grep -E 'ERROR|SUMMARY|Test unit written|runtime error|deadly signal|timeout' "$log" | head -8 | sed 's/^/    /'
  fi
}
running=()
for t in "${targets[@]}"; do
  if [ ${#running[@]} -ge "$jobs" ]; then
    finish "${running[0]}"
    running=("${running[@]:1}")
  fi
  run "$t" &
  pid_of[$t]=$!
  running+=("$t")
done
for t in "${running[@]}"; do finish "$t"; done

if [ ${#failed[@]} -gt 0 ]; then
  echo "faults in: ${failed[*]} (inputs in build-fuzz/artifacts/<target>/, logs in build-fuzz/logs/)"
  exit 1
fi
