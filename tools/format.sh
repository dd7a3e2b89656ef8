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
# One clang-format for all files: it names each place that differs, "<file>:<line>:<col>: error:
# code should be clang-formatted", the first of each file only (--ferror-limit=1), and goes on to
# the next file.
rc=0
said=$(clang-format --dry-run --Werror --ferror-limit=1 "${files[@]}" 2>&1) || rc=$?
declare -A differs=()
while IFS= read -r name; do
  differs["$name"]=1
done < <(sed -n -E 's/^(.+):[0-9]+:[0-9]+: (error|warning): code should be clang-formatted.*/\1/p' <<<"$said")
for f in "${files[@]}"; do
  if [ -n "${differs[$f]:-}" ]; then
    echo "format.sh: $f differs from .clang-format (tools/format.sh formats it)"
  fi
done
if [ ${#differs[@]} -gt 0 ]; then
  exit 1
fi
if [ "$rc" -ne 0 ]; then  # it failed without naming a file (a bad .clang-format, an unreadable file)
  echo "format.sh: clang-format failed ($rc):"
  echo "$said"
  exit 1
fi
