#!/usr/bin/env bash
# Builds tolv when needed and runs it from the repository root (its working directory).
# Without a display it runs headless: a short scripted run that ends with a screenshot in screens1/.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
[ -f build/build.ninja ] || cmake --preset default >/dev/null
cmake --build --preset default --target tolv >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${TOLV_VIDEO:-}" ]; then
  echo "play.sh: no display, running headless; the last frame is saved in screens1/"
  export TOLV_VIDEO=headless
  rc=0
  build/tolv "$@" || rc=$?
  ls -t screens1/*.bmp 2>/dev/null | head -1 | sed 's/^/play.sh: screenshot /'
  exit $rc
fi
exec build/tolv "$@"
