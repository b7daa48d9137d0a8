#!/usr/bin/env python3
"""Writes the table behind SimpleUpperCase (logic/case_mapping.cpp): every code point's simple
upper-case mapping, field 12 of the Unicode Character Database's UnicodeData.txt, which Debian's
package unicode-data installs as /usr/share/unicode/UnicodeData.txt. That is the mapping ICU's
u_toupper gives: a character without one in field 12 (the titlecase digraph U+01C4 itself, or ß,
whose upper case is two letters) maps to itself.

usage: logic/case_mapping_table.py UNICODE_DATA OUTPUT

The mappings come out as runs: a run is `count` code points, `step` apart (1, or 2 where capital
and small letters alternate), that all move by the same `delta`; no run reaches into the next.
Unicode 15.0 needs 200 runs for its 1450 mappings. So that a code point need not be searched for
among all of them, an index gives for each block of 256 code points the first run that ends in
or after the block. Both together are under 3 KB, next to nothing in the WebAssembly build. The
same file gives the same output.
"""
import pathlib
import sys

BLOCK = 256  # code points in a block of the index


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


def first_run_of_blocks(runs):
    ends = [first + (count - 1) * step for first, count, step, _ in runs]
    blocks = []
    for block in range(ends[-1] // BLOCK + 1):
        blocks.append(next(i for i, end in enumerate(ends) if end >= block * BLOCK))
    return blocks


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
    blocks = first_run_of_blocks(runs)
    index_type = "std::uint8_t" if len(runs) <= 0xFF else "std::uint16_t"
    lines += [
        "",
        f"// For each block of {BLOCK} code points, the index of the first run that ends in or after it.",
        f"constexpr char32_t kUpperCaseBlock = {BLOCK};",
        f"constexpr {index_type} kFirstRunOfBlock[] = {{",
    ]
    for start in range(0, len(blocks), 16):
        lines.append("    " + " ".join(f"{index}," for index in blocks[start:start + 16]))
    lines.append("};")
    text = "\n".join(lines) + "\n"
    # Written only when it changes, so that an unchanged table recompiles nothing.
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.parent.mkdir(parents=True, exist_ok=True)
        output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
