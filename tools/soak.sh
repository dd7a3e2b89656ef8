#!/bin/sh
# The long soak: builds the sanitizer preset and runs the CTest label "soak" with 100,000 frames (or
# the number given as the first argument). Every ordinary ctest run goes through a short cut of it.
# Exit code: ctest's (0 when no leak, no container fault, no refused slot and flat memory).
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan -j4
TOLV_SOAK_FRAMES="${1:-100000}" exec ctest --preset asan -L soak --output-on-failure -V
