#!/usr/bin/env bash
# Builds tolv when needed and runs it from the repository root (its working directory).
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
[ -f build/build.ninja ] || cmake --preset default >/dev/null
cmake --build --preset default --target tolv >/dev/null
exec build/tolv "$@"
