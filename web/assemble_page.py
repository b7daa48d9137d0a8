#!/usr/bin/env python3
"""Puts the page together: the first markup with the view's script and WebAssembly inside.

Both go in gzip-compressed and in base64, each in a data block that no browser runs, beside the
few lines that unpack and start them after the first paint (START.js, web/start_view.js): a
third of their bytes as they are, so the file is smaller and the browser has less to read
before it paints.

usage: assemble_page.py SHELL.html START.js VIEW.js VIEW.wasm PAGE.html
"""
import base64
import gzip
import sys


def packed(data):
    # mtime=0: the same input gives the same file.
    return base64.b64encode(gzip.compress(data, compresslevel=9, mtime=0)).decode("ascii")


def main():
    shell_path, start_path, script_path, wasm_path, page_path = sys.argv[1:]
    with open(shell_path, encoding="utf-8") as shell_file:
        shell = shell_file.read()
    with open(start_path, encoding="utf-8") as start_file:
        start = start_file.read()
    with open(script_path, "rb") as script_file:
        script = script_file.read()
    with open(wasm_path, "rb") as wasm_file:
        wasm = wasm_file.read()
    if shell.count("{{{ SCRIPT }}}") != 1:
        sys.exit(f"{shell_path}: no single {{{{{{ SCRIPT }}}}}} mark")
    if "</script" in start.lower():
        sys.exit(f"{start_path}: holds </script, which would end its element early")
    blocks = (f'<script type="application/gzip" id="view-script">{packed(script)}</script>\n'
              f'<script type="application/gzip" id="view-wasm">{packed(wasm)}</script>\n'
              f"<script>{start}</script>")
    with open(page_path, "w", encoding="utf-8", newline="\n") as page:
        page.write(shell.replace("{{{ SCRIPT }}}", blocks))


if __name__ == "__main__":
    main()
