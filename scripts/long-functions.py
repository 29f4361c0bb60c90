#!/usr/bin/env python3
"""Lists the functions longer than a screen (60 lines, from the line that opens the body to the one
that closes it) in src/, longest first, and prints their count. Braces of namespaces, classes and
structs are looked through, so member functions defined in a class count as well; lambdas count
as part of the function that holds them. Data tables (DATA_TABLES: the craft and formation
tables, the vocabulary, the line models, the action tables, the manual's text) are left out
unless --all is given.

  scripts/long-functions.py [--limit N] [--all] [--quiet] [paths...]
"""
import argparse
import pathlib
import re
import sys

# Functions that are tables of data rather than logic, by their name.
DATA_TABLES = {"buildModels", "builtInTables", "ships", "actionTable", "CraftTable", "Table",
               "maxCraftSpeed", "editorManual"}

OPENS_SCOPE = re.compile(r"^\s*(namespace\b[^;(]*|(template\s*<.*>\s*)?(class|struct|union|enum)\b[^;(]*|extern\s+\"C\"\s*)\{\s*$")


def strip(line, in_comment):
    """The line without comments, strings and character literals; whether a block comment goes on."""
    out = []
    i = 0
    while i < len(line):
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                return "".join(out), True
            i = end + 2
            in_comment = False
            continue
        c = line[i]
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            in_comment = True
            i += 2
            continue
        if line.startswith('R"', i):
            m = re.match(r'R"([^(]*)\(', line[i:])
            if m:
                end = line.find(")" + m.group(1) + '"', i)
                i = len(line) if end < 0 else end + len(m.group(1)) + 2
                out.append('""')
                continue
        if c in "\"'":
            j = i + 1
            while j < len(line) and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out), in_comment


def functions(path):
    lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
    in_comment = False
    stack = []  # for every open brace: ("scope"|"func"|"inner", start line, name)
    found = []
    pending = ""  # the text since the last ; { or } at scope level: the signature
    for n, raw in enumerate(lines, 1):
        code, in_comment = strip(raw, in_comment)
        for k, c in enumerate(code):
            if c == "{":
                in_function = any(kind == "func" for kind, _, _ in stack)
                head = (pending + code[:k]).strip()
                if in_function:
                    stack.append(("inner", n, ""))
                elif OPENS_SCOPE.match(head + " {") or head.endswith("=") or not head.endswith(")") and not re.search(r"\)\s*(const|override|noexcept|final|mutable|->\s*[\w:<>,\s*&]+)*\s*(:.*)?$", head) and ":" not in head:
                    stack.append(("scope", n, head))
                else:
                    name = re.sub(r"\s+", " ", head)
                    stack.append(("func", n, name))
                pending = ""
            elif c == "}":
                if stack:
                    kind, start, name = stack.pop()
                    if kind == "func":
                        found.append((n - start + 1, str(path), start, name))
                pending = ""
            elif c == ";" and not any(kind == "func" for kind, _, _ in stack):
                pending = ""
        if not any(kind == "func" for kind, _, _ in stack):
            pending += " " + code[code.rfind(";") + 1 if ";" in code else 0:] if "{" not in code and "}" not in code else ""
    return found


def short_name(sig):
    m = re.search(r"([~\w:]+(?:<[^()]*>)?)\s*\(", sig)
    if m:
        return m.group(1)
    m = re.search(r"(\w+)\s*(?:\[\])?\s*=?\s*$", sig)  # a table: its name
    return m.group(1) if m else sig[:60]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--limit", type=int, default=60)
    ap.add_argument("--quiet", action="store_true", help="print only the count")
    ap.add_argument("--all", action="store_true", help="count the data tables too")
    ap.add_argument("paths", nargs="*", default=["src"])
    args = ap.parse_args()
    root = pathlib.Path(__file__).resolve().parent.parent
    files = []
    for p in args.paths:
        p = (root / p) if not pathlib.Path(p).is_absolute() else pathlib.Path(p)
        files += [p] if p.is_file() else sorted(list(p.rglob("*.cpp")) + list(p.rglob("*.h")))
    long = []
    for f in files:
        long += [x for x in functions(f) if x[0] > args.limit and
                 (args.all or short_name(x[3]).split("::")[-1] not in DATA_TABLES)]
    long.sort(key=lambda x: -x[0])
    if not args.quiet:
        for length, path, line, sig in long:
            print(f"{length:4d}  {pathlib.Path(path).relative_to(root)}:{line}  {short_name(sig)}")
    print(len(long))


if __name__ == "__main__":
    sys.exit(main())
