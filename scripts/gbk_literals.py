#!/usr/bin/env python3
"""Copies C++ sources with their plain text literals turned into GBK bytes.

GCC compiles the project with -fexec-charset=GBK: every plain narrow string
literal ("男") becomes its GBK (code page 936) bytes, while u8"" literals stay
UTF-8. Clang has no such option, so a clang build (the WebAssembly module of
bindings/javascript) compiles copies made by this script instead: each plain
narrow string literal holding a character beyond ASCII is rewritten into hex
escapes of its GBK bytes ("\\xC4\\xD0"), exactly what -fexec-charset=GBK makes
of it. Everything else (comments, u8/u/U/L and raw literals, ASCII literals)
is copied unchanged, so core/gbk_text.h's guard still checks the result.

One macro pastes an encoding prefix onto its argument, BOTH_ENCODINGS(literal)
(core/gbk_text.h): rewriting its argument would give u8"\\xC4\\xD0", GBK bytes
in the UTF-8 slot. Its uses are expanded here as the preprocessor would,
(Text{<GBK escapes>, u8<literal>}); any other macro that pastes a prefix stops
the script, as does a character GBK lacks or a non-ASCII character literal.

Usage: gbk_literals.py SOURCE_ROOT OUTPUT_ROOT FILE...  (FILE relative to
SOURCE_ROOT; each copy goes to the same relative path under OUTPUT_ROOT, and
is rewritten only when its bytes change, so builds stay incremental.)
"""
import os
import re
import sys

IDENT = re.compile(r"[A-Za-z0-9_]")
PREFIXES = {"u8", "u", "U", "L"}
PASTING_MACRO = re.compile(r"#\s*define\s+(\w+)\s*\([^)]*\)[^\n]*\b(?:u8|u|U|L)\s*##")
EXPANDED_MACROS = {"BOTH_ENCODINGS"}


class RewriteError(Exception):
    pass


def gbk_escapes(body, where):
    """The body of a plain literal with each non-ASCII character (and each
    universal character name) written as hex escapes of its GBK bytes."""
    out = []
    last_was_hex = False  # a hex escape just written: a hex digit may not follow it

    def put_bytes(data):
        nonlocal last_was_hex
        out.append("".join("\\x%02X" % b for b in data))
        last_was_hex = True

    def put_text(text):
        nonlocal last_was_hex
        if last_was_hex and text[0] in "0123456789abcdefABCDEF":
            out.append('" "')  # ends the escape; the two literals are joined again
        out.append(text)
        last_was_hex = False

    def encode(character):
        try:
            return character.encode("gbk")
        except UnicodeEncodeError:
            raise RewriteError("%s: U+%04X has no GBK form" % (where, ord(character))) from None

    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            kind = body[i + 1]
            if kind in "uU":
                digits = 4 if kind == "u" else 8
                put_bytes(encode(chr(int(body[i + 2:i + 2 + digits], 16))))
                i += 2 + digits
                continue
            if kind == "x":
                j = i + 2
                while j < len(body) and body[j] in "0123456789abcdefABCDEF":
                    j += 1
                put_text(body[i:j])
                last_was_hex = True
                i = j
                continue
            put_text(body[i:i + 2])
            i += 2
            continue
        if ord(c) < 0x80:
            put_text(c)
        else:
            put_bytes(encode(c))
        i += 1
    return "".join(out)


def needs_rewrite(body):
    return any(ord(c) >= 0x80 for c in body) or re.search(r"\\[uU]", body) is not None


def end_of_quoted(text, start, quote):
    """Index just past the literal whose opening quote is at `start`."""
    i = start + 1
    while True:
        c = text[i]
        if c == "\\":
            i += 2
        elif c == quote:
            return i + 1
        elif c == "\n":
            raise RewriteError("unterminated literal at offset %d" % start)
        else:
            i += 1


def rewrite(text, name):
    for macro in PASTING_MACRO.findall(text):
        if macro not in EXPANDED_MACROS:
            raise RewriteError("%s: macro %s pastes an encoding prefix; teach gbk_literals.py its expansion"
                               % (name, macro))
    out = []
    i = 0
    length = len(text)
    line = 1
    while i < length:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = length if end < 0 else end
        elif text.startswith("/*", i):
            end = text.index("*/", i + 2) + 2
        elif c == '"' or c == "'":
            # The encoding prefix is the identifier that ends just before the quote.
            start = i
            while start > 0 and IDENT.match(text[start - 1]):
                start -= 1
            prefix = text[start:i]
            if c == "'" and prefix and prefix not in PREFIXES:
                end = i + 1  # a digit separator, as in 1'000
            elif prefix.endswith("R") and prefix[:-1] in PREFIXES | {""} and c == '"':
                delimiter = text[i + 1:text.index("(", i)]
                end = text.index(")" + delimiter + '"', i) + len(delimiter) + 2
                if not prefix[:-1] and needs_rewrite(text[i:end]):
                    raise RewriteError("%s:%d: a plain raw literal beyond ASCII" % (name, line))
            else:
                end = end_of_quoted(text, i, c)
                body = text[i + 1:end - 1]
                if not prefix and needs_rewrite(body):
                    if c == "'":
                        raise RewriteError("%s:%d: a character literal beyond ASCII" % (name, line))
                    out.append('"' + gbk_escapes(body, "%s:%d" % (name, line)) + '"')
                    line += text.count("\n", i, end)
                    i = end
                    continue
        elif IDENT.match(c) and (i == 0 or not IDENT.match(text[i - 1])):
            match = re.compile(r"(\w+)\s*\(\s*(\"(?:[^\"\\\n]|\\.)*\")\s*\)").match(text, i)
            if match and match.group(1) in EXPANDED_MACROS:
                literal = match.group(2)
                gbk = '"' + gbk_escapes(literal[1:-1], "%s:%d" % (name, line)) + '"'
                out.append("(Text{%s, u8%s})" % (gbk, literal))
                i = match.end()
                continue
            end = i + 1
            while end < length and IDENT.match(text[end]):
                end += 1
        else:
            end = i + 1
        out.append(text[i:end])
        line += text.count("\n", i, end)
        i = end
    return "".join(out)


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    source_root, output_root = argv[1], argv[2]
    for relative in argv[3:]:
        with open(os.path.join(source_root, relative), encoding="utf-8") as source:
            text = source.read()
        try:
            result = rewrite(text, relative).encode("utf-8")
        except RewriteError as error:
            sys.stderr.write("gbk_literals.py: %s\n" % error)
            return 1
        target = os.path.join(output_root, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if os.path.exists(target):
            with open(target, "rb") as existing:
                if existing.read() == result:
                    continue
        with open(target, "wb") as copy:
            copy.write(result)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
