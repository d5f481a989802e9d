#!/usr/bin/env python3
"""Fails when a source of the fuzz build, or a header of the repository that it
includes, holds a string or character literal with a byte outside ASCII.
Such a literal is CP1251 in the program but would be UTF-8 under clang, so a
fuzz target would test different bytes from the program's."""
import os
import re
import sys

root = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))


def sources():
    text = open(os.path.join(root, "fuzz", "sources.cmake"), encoding="utf-8").read()
    listed = re.findall(r"^\s+(\S+\.cpp)\s*$", text, re.M)
    targets = [os.path.join("fuzz", f) for f in os.listdir(os.path.join(root, "fuzz")) if f.endswith(".cpp")]
    return listed + sorted(targets)


def literals(code):
    """Yields (line, literal) for every string and character literal, skipping comments."""
    i, line, n = 0, 1, len(code)
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
        elif code.startswith("/*", i):
            end = code.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += code.count("\n", i, end)
            i = end
        elif c == '"' and i > 0 and code[i - 1] == "R":
            m = re.match(r'"([^(]*)\(', code[i:])
            close = code.find(")" + m.group(1) + '"', i)
            yield line, code[i:close]
            line += code.count("\n", i, close)
            i = close + len(m.group(1)) + 2
        elif c in "\"'" and not (c == "'" and i > 0 and code[i - 1].isalnum()):
            j = i + 1
            while j < n and code[j] != c and code[j] != "\n":
                j += 2 if code[j] == "\\" else 1
            yield line, code[i : j + 1]
            i = j + 1
        else:
            line += c == "\n"
            i += 1


def main():
    seen, queue, bad = set(), sources(), []
    while queue:
        rel = os.path.normpath(queue.pop())
        if rel in seen:
            continue
        seen.add(rel)
        code = open(os.path.join(root, rel), encoding="utf-8").read()
        for include in re.findall(r'^\s*#\s*include\s+"([^"]+)"', code, re.M):
            for candidate in (os.path.join(os.path.dirname(rel), include), include):
                if os.path.exists(os.path.join(root, candidate)):
                    queue.append(candidate)
                    break
        for line, literal in literals(code):
            if any(ord(ch) > 0x7F for ch in literal):
                bad.append(f"{rel}:{line}: {literal}")
    if bad:
        print("fuzz: literals outside ASCII (write them as \\x escapes):", *bad, sep="\n  ", file=sys.stderr)
        return 1
    print(f"fuzz: {len(seen)} files, every literal ASCII")
    return 0


sys.exit(main())
