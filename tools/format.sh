#!/usr/bin/env bash
# Formats every hand-written C++ file with clang-format and .clang-format: tools/format.sh
# With --check it changes nothing, names each file that differs and exits with 1 when any does
# (CI runs it so). Left as they are: the headers gmgen writes, the text it copies into them
# (uni_files/) and the tests' expected generator output (tests/generators/*_golden.h): tests compare them byte for
# byte with what the generators write.
set -euo pipefail
cd "$(dirname "$0")/.."
generated='^gm/(fa_in|fa_pre|fa_proc|org_base_a|res_a)\.h$|^uni_files/|^tests/generators/.*_golden\.h$'
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c' | grep -v -E "$generated")
if [ "${1:-}" != "--check" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
differ=0
for f in "${files[@]}"; do
  if ! clang-format "$f" | cmp -s - "$f"; then
    echo "format.sh: $f differs from .clang-format (tools/format.sh formats it)"
    differ=1
  fi
done
exit $differ
