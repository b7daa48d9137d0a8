#!/usr/bin/env python3
"""Writes the table behind SimpleUpperCase (logic/case_mapping.cpp): every code point's simple
upper-case mapping, field 12 of the Unicode Character Database's UnicodeData.txt, which Debian's
package unicode-data installs as /usr/share/unicode/UnicodeData.txt. That is the mapping ICU's
u_toupper gives: a character without one in field 12 (the titlecase digraph U+01C4 itself, or ß,
whose upper case is two letters) maps to itself.

usage: logic/case_mapping_table.py UNICODE_DATA OUTPUT

The mappings come out as runs: a run is `count` code points, `step` apart (1, or 2 where capital
and small letters alternate), that all move by the same `delta`. Unicode 15.0 needs 200 runs for
its 1450 mappings, under 2.5 KB, so the table costs the WebAssembly build next to nothing. The
same file gives the same output.
"""
import pathlib
import sys


def read_mappings(path):
    mappings = {}
    with open(path, encoding="utf-8") as data:
        for line in data:
            fields = line.split(";")
            if len(fields) != 15:
                raise SystemExit(f"{path}: not a UnicodeData.txt line: {line!r}")
            if fields[12]:
                mappings[int(fields[0], 16)] = int(fields[12], 16)
    if not mappings:
        raise SystemExit(f"{path}: no upper-case mappings")
    return mappings


def runs_of(mappings):
    runs = []  # [first, count, step, delta]
    for code_point in sorted(mappings):
        delta = mappings[code_point] - code_point
        if runs:
            run = runs[-1]
            last = run[0] + (run[1] - 1) * run[2]
            gap = code_point - last
            if run[3] == delta and (gap == run[2] or (run[1] == 1 and gap == 2)):
                run[2] = gap
                run[1] += 1
                continue
        runs.append([code_point, 1, 1, delta])
    return runs


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__.split("\n\n")[1])
    source, output = sys.argv[1], pathlib.Path(sys.argv[2])
    runs = runs_of(read_mappings(source))
    lines = [
        f"// Made by logic/case_mapping_table.py from {source}; do not edit.",
        "// {first code point, count, step, delta}, in order of the first code point.",
        "constexpr UpperCaseRun kUpperCaseRuns[] = {",
    ]
    lines += [f"    {{0x{first:X}, {count}, {step}, {delta}}}," for first, count, step, delta in runs]
    lines.append("};")
    text = "\n".join(lines) + "\n"
    # Written only when it changes, so that an unchanged table recompiles nothing.
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.parent.mkdir(parents=True, exist_ok=True)
        output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
