#!/bin/sh
# Builds the stage loader's libFuzzer target with clang in build-fuzz/ and runs it for a bounded
# time (first argument, seconds; 60 by default). Exit code: 0 when no fault was found.
set -eu
cd "$(dirname "$0")/.."
secs="${1:-60}"
cmake -S . -B build-fuzz -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address" \
  -DTOLV_FUZZ=ON -DTOLV_TESTS=ON -DTOLV_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_stage -j4
mkdir -p build-fuzz/corpus build-fuzz/artifacts
TOLV_FUZZ_SEED_DIR=build-fuzz/corpus build-fuzz/tests/fuzz/fuzz_stage -runs=0 >/dev/null 2>&1 || true
exec build-fuzz/tests/fuzz/fuzz_stage build-fuzz/corpus -max_total_time="$secs" -max_len=400000 \
  -rss_limit_mb=4096 -artifact_prefix=build-fuzz/artifacts/
