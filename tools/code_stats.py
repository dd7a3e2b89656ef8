#!/usr/bin/env python3
"""Figures of the source tree that say how it reads: lines of hand-written code and of tests,
globals that headers export, and bare numbers by folder.

    tools/code_stats.py [root]

Hand-written code is every .cpp, .h and .c outside tests/, bench/, build folders and the headers
gmgen writes. A bare number is a numeric literal in code (comments, strings and character literals
left out, as are #include and #pragma lines) other than 0 and 1, which are counts and flags more
often than codes; they are counted by folder. Run it before and after a change that claims to make the tree read better.
"""
import os
import re
import sys

GENERATED = {"gm/fa_in.h", "gm/fa_pre.h", "gm/fa_proc.h", "gm/org_base_a.h", "gm/res_a.h"}
NOT_CODE = ("tests/", "bench/", "build", ".git/")

NUMBER = re.compile(r"(?<![\w.])(?:0[xX][0-9a-fA-F']+|\d[\d']*\.?\d*(?:[eE][+-]?\d+)?|\.\d+(?:[eE][+-]?\d+)?)[uUlLfF]*(?![\w.])")
EXTERN = re.compile(r"^\s*extern\s+(?!\"C\")", re.M)


def strip_comments_and_literals(text):
    """The code of a C++ file with comments, strings and character literals blanked out."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            i = n if j < 0 else j + 2
            out.append(" ")
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
            out.append(" ")
        else:
            out.append(c)
            i += 1
    return "".join(out)


def sources(root):
    for folder, dirs, files in os.walk(root):
        rel_folder = os.path.relpath(folder, root)
        dirs[:] = sorted(d for d in dirs if not d.startswith((".", "build")))
        for name in sorted(files):
            if name.endswith((".cpp", ".h", ".c")):
                rel = os.path.normpath(os.path.join(rel_folder, name))
                yield rel, os.path.join(folder, name)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    code_lines = test_lines = externs = 0
    numbers = {}
    for rel, path in sources(root):
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        lines = text.count("\n")
        if rel.startswith("tests/"):
            test_lines += lines
            continue
        if rel.startswith(NOT_CODE) or rel in GENERATED:
            continue
        code_lines += lines
        if rel.endswith(".h"):
            externs += len(EXTERN.findall(strip_comments_and_literals(text)))
        folder = rel.split("/")[0] + "/" if "/" in rel else "./"
        code = strip_comments_and_literals(text)
        code = "\n".join(l for l in code.split("\n") if not l.lstrip().startswith("#"))
        numbers[folder] = numbers.get(folder, 0) + sum(
            1 for m in NUMBER.findall(code) if m.rstrip("uUlLfF") not in ("0", "1"))
    print(f"hand-written code lines  {code_lines}")
    print(f"test lines               {test_lines}")
    print(f"extern in headers        {externs}")
    for folder, count in sorted(numbers.items()):
        print(f"bare numbers in {folder:<14}{count}")
    print(f"bare numbers in all            {sum(numbers.values())}")


if __name__ == "__main__":
    main()
