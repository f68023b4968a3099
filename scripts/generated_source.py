"""The command line shared by the table generators: write a generated C++
source from its data file, or, with --check, say whether the source in the
tree is what the data gives (the tests' staleness check)."""

import os
import sys

HEX_DIGITS = set(b"0123456789abcdefABCDEF")


def text_literal(text):
    """A C string literal of the text as UTF-8, as the sources hold every text
    of the program (compiled without a charset conversion, so the bytes are
    the UTF-8 ones): printable characters as themselves, quote, backslash and
    control characters as hex escapes, split where a hex digit would extend
    the escape before it."""
    parts = ['"']
    after_escape = False
    for char in text:
        code = ord(char)
        if code < 0x20 or code == 0x7F or char in '"\\?':
            parts.append(f"\\x{code:02X}")
            after_escape = True
        else:
            if after_escape and code < 0x80 and char.encode()[0] in HEX_DIGITS:
                parts.append('" "')
            parts.append(char)
            after_escape = False
    parts.append('"')
    return "".join(parts)


def run(argv, usage, generate, errors, data_files=1):
    """generate(*data_paths) -> the source text, from the `data_files` data
    paths that come before the source's; it raises one of `errors` (a tuple
    of exception types) for data it refuses."""
    name = os.path.basename(argv[0])
    check = len(argv) == data_files + 3 and argv[1] == "--check"
    if not (check or len(argv) == data_files + 2):
        print(usage.strip(), file=sys.stderr)
        return 2
    data_paths, source_path = argv[-1 - data_files:-1], argv[-1]
    data_path = " ".join(data_paths)
    try:
        text = generate(*data_paths)
    except errors as error:
        print(f"{name}: {error}", file=sys.stderr)
        return 1
    if check:
        try:
            with open(source_path, encoding="utf-8", newline="") as source:
                current = source.read()
        except OSError as error:
            print(f"{name}: {error}", file=sys.stderr)
            return 1
        if current != text:
            print(f"{source_path} is out of date with {data_path}: "
                  f"run python3 scripts/{name} {data_path} {source_path}", file=sys.stderr)
            return 1
        return 0
    with open(source_path, "w", encoding="utf-8", newline="\n") as source:
        source.write(text)
    return 0
