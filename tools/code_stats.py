#!/usr/bin/env python3
"""Figures of the source tree that say how it reads: lines of hand-written code and of tests,
globals that headers export, mutable state outside the module records, and bare numbers by folder.

    tools/code_stats.py [root]

It may be run from any folder: root is the repository the script stands in, or the one that holds
the folder given. The files it reads are those tools/format.sh takes before its exclusions: every
.cpp, .h and .c that git tracks or would add (new files that .gitignore does not ignore) and that
exists; its first line says how many. Test lines are those of the files under tests/; hand-written
code is every other file outside bench/ and the headers gmgen writes. A bare number is a numeric
literal in code (comments, strings and character literals left out, as are #include and #pragma
lines) other than 0 and 1, which are counts and flags more often than codes; they are counted by
folder. Run it before and after a change that claims to make the tree read better.

The `extern` words are counted in every hand-written header and apart in those outside gm/ (the
named variables, kept loose on purpose) and generators/. A mutable function static is a `static`
local of a function whose declaration says neither `const` nor `constexpr`; a mutable file-scope
variable is one defined so at namespace scope (a static member's definition included). Each object
of a declaration counts; a reference, a second name of an object defined elsewhere, does not, nor
do the pieces of uni_files/ the figure generator copies into the middle of a record. Both are found
by reading braces, not by a compiler, so a declaration read wrongly is possible: the figures are
for before and after.
"""
import os
import re
import subprocess
import sys

GENERATED = {"gm/fa_in.h", "gm/fa_pre.h", "gm/fa_proc.h", "gm/org_base_a.h", "gm/res_a.h"}
NOT_CODE = ("tests/", "bench/")
LOOSE_EXTERN_EXEMPT = ("gm/", "generators/")
FRAGMENTS = ("uni_files/",)  # pieces the figure generator copies into the middle of a record

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


ATTRIBUTE = re.compile(r"\[\[[^\]]*\]\]")
NOT_A_VARIABLE = re.compile(
    r"^(?:extern|typedef|using|template|friend|static_assert|namespace|return|public|private|"
    r"protected|class|struct|union|enum)\b")
STATIC_DECL = re.compile(r"^(?:(?:thread_local|inline|\[\[[^\]]*\]\])\s*)*static\b")
FUNCTION_HEAD_END = re.compile(
    r"(?:\)|\}|\b(?:const|noexcept|override|final|mutable|else|do|try)|->\s*[\w:<>*&\s]+)$")


def is_const(head):
    """Whether a declaration (read up to its initialiser) is const: `const` anywhere in it counts,
    so a table of pointers to constant text reads as the constant it is meant to be."""
    head = ATTRIBUTE.sub(" ", head)
    return re.search(r"\b(?:const|constexpr)\b", re.split(r"=|\{", head, maxsplit=1)[0]) is not None


def declarators(head):
    """How many objects a declaration defines: its top-level commas outside initialisers, with
    references (second names of an object defined elsewhere) left out."""
    parts, depth, cur = [], 0, ""
    for c in ATTRIBUTE.sub(" ", head):
        depth += c in "([{<"
        depth -= c in ")]}>"
        if c == "," and depth == 0:
            parts.append(cur)
            cur = ""
        else:
            cur += c
    parts.append(cur)
    return sum(1 for part in parts if not re.search(r"&\s*\w+\s*(?:=|$)", part.split("=")[0] + "="))


def mutable_state(code):
    """(mutable function statics, mutable file-scope variables) of code without comments or
    literals: braces are read as namespace, type, function or initialiser scopes."""
    statics = file_vars = 0
    scopes = ["ns"]  # kind of each open brace, the file's scope first
    bufs = [""]      # the statement read so far at each level
    for c in code:
        kind = scopes[-1]
        if c == "{":
            head = " ".join(bufs[-1].split())
            if kind == "func":
                if STATIC_DECL.match(head):
                    statics += 0 if is_const(head) else declarators(head)
                    new, keep = "init", ""
                elif head.endswith(("=", "return", "(", ",")) or re.search(r"[\w>\]]$", head) and not re.search(
                        r"\b(?:else|do|try)$", head):
                    new, keep = "init", None
                else:
                    new, keep = "func", ""
            elif kind in ("ns", "type"):
                if re.search(r"\bnamespace\b", head) or re.fullmatch(r"extern\s*", head):
                    new, keep = "ns", ""
                elif re.search(r"\b(?:class|struct|union|enum)\b", head) and not FUNCTION_HEAD_END.search(head) \
                        and "=" not in head:
                    new, keep = "type", None
                elif FUNCTION_HEAD_END.search(head):
                    new, keep = "func", ""
                else:
                    new, keep = "init", None
            else:
                new, keep = "init", None
            if keep is not None:
                bufs[-1] = keep
            scopes.append(new)
            bufs.append("")
        elif c == "}":
            if len(scopes) > 1:
                closed = scopes.pop()
                bufs.pop()
                if closed in ("type", "init"):
                    bufs[-1] += "{}"  # the statement goes on to its declarator or its ';'
                else:
                    bufs[-1] = ""
        elif c == ";":
            head = " ".join(bufs[-1].split())
            bufs[-1] = ""
            if kind == "func" and STATIC_DECL.match(head) and not is_const(head):
                statics += declarators(head)
            elif kind == "ns" and head:
                body_end = head.rfind("}")
                if head.startswith(("class", "struct", "union", "enum", "static struct", "static union")) and \
                        body_end >= 0:
                    tail = head[body_end + 1:].strip()
                    if tail and not is_const(head[:head.find("{")] + " " + tail):
                        file_vars += declarators(tail)
                    continue
                head = ATTRIBUTE.sub(" ", head).strip()
                if NOT_A_VARIABLE.match(head):
                    continue
                decl = re.split(r"=|\{", head, maxsplit=1)[0]
                if "(" in decl and not re.match(r"\(\s*\*", decl[decl.find("("):]):
                    continue  # a function's declaration
                if not is_const(head):
                    file_vars += declarators(head)
        elif kind != "init" or c not in "\n":
            bufs[-1] += c
    return statics, file_vars


def sources(root):
    """(path from the root, path) of each file git tracks or would add, as tools/format.sh takes them."""
    listed = subprocess.run(["git", "-C", root, "ls-files", "--cached", "--others", "--exclude-standard",
                             "--", "*.cpp", "*.h", "*.c"], capture_output=True, text=True, check=True)
    for rel in sorted(set(listed.stdout.splitlines())):
        path = os.path.join(root, rel)
        if os.path.isfile(path):
            yield rel, path


def repository_root(start):
    found = subprocess.run(["git", "-C", start, "rev-parse", "--show-toplevel"], capture_output=True, text=True)
    if found.returncode != 0:
        sys.exit(f"code_stats.py: {start} is not in a git repository ({found.stderr.strip()})")
    return found.stdout.strip()


def main():
    root = repository_root(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
    code_lines = test_lines = externs = loose_externs = statics = file_vars = 0
    numbers = {}
    files = list(sources(root))
    print(f"files read               {len(files)} (the .cpp, .h and .c files git tracks or would add, in {root})")
    for rel, path in files:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        lines = text.count("\n")
        if rel.startswith("tests/"):
            test_lines += lines
            continue
        if rel.startswith(NOT_CODE) or rel in GENERATED:
            continue
        code_lines += lines
        folder = rel.split("/")[0] + "/" if "/" in rel else "./"
        code = strip_comments_and_literals(text)
        code = "\n".join(l for l in code.split("\n") if not l.lstrip().startswith("#"))
        if rel.endswith(".h"):
            n = len(EXTERN.findall(code))
            externs += n
            if not rel.startswith(LOOSE_EXTERN_EXEMPT):
                loose_externs += n
        if not rel.startswith(FRAGMENTS):
            joined = strip_comments_and_literals(text).replace("\\\n", " ")
            s, v = mutable_state("\n".join(l for l in joined.split("\n") if not l.lstrip().startswith("#")))
            statics += s
            file_vars += v
        numbers[folder] = numbers.get(folder, 0) + sum(
            1 for m in NUMBER.findall(code) if m.rstrip("uUlLfF") not in ("0", "1"))
    print(f"hand-written code lines  {code_lines}")
    print(f"test lines               {test_lines}")
    print(f"extern in headers        {externs}")
    print(f"extern outside gm/, generators/ {loose_externs}")
    print(f"mutable function statics {statics}")
    print(f"mutable file-scope vars  {file_vars}")
    for folder, count in sorted(numbers.items()):
        print(f"bare numbers in {folder:<14}{count}")
    print(f"bare numbers in all            {sum(numbers.values())}")


if __name__ == "__main__":
    main()
