#!/usr/bin/env bash
# Formats every hand-written C++ file with clang-format and .clang-format: tools/format.sh
# With --check it changes nothing, names each file that differs and exits with 1 when any does
# (CI runs it so). It may be run from any folder: it works on the repository it stands in.
# The files it takes (tools/code_stats.py takes the same): every .cpp, .h and .c that git tracks or
# would add (new files that .gitignore does not ignore) and that exists, less those left as they
# are: the headers gmgen writes, the text it copies into them (uni_files/) and the tests' expected
# generator output (tests/generators/*_golden.h), which tests compare byte for byte with what the
# generators write. Its first line says how many it took.
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
generated='^gm/(fa_in|fa_pre|fa_proc|org_base_a|res_a)\.h$|^uni_files/|^tests/generators/.*_golden\.h$'
files=()
while IFS= read -r f; do
  [ -f "$f" ] && files+=("$f")
done < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c' | sort -u |
         grep -v -E "$generated")
echo "format.sh: ${#files[@]} files (the .cpp, .h and .c files git tracks or would add, less gmgen's" \
     "headers, uni_files/ and tests/generators/*_golden.h)"
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
