#!/usr/bin/env bash
# Builds tolv twice (normal, and with AddressSanitizer + UndefinedBehaviorSanitizer), warnings as
# errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  ctest --preset "$preset"
done
