#!/usr/bin/env python3
"""Writes what the bindings that cannot read C need of capi/idnumber.h: every
enumerator and numeric macro, and the offsets of every struct's members, so
that no binding writes a value, a size or a layout by hand.

  scripts/generate_api_constants.py            write the files below
  scripts/generate_api_constants.py --check    fail when one is stale

Files written:
  bindings/javascript/api_constants.js   ES module, wasm32 layouts (4-byte
                                         pointers and size_t, 8-byte-aligned
                                         64-bit members)
  bindings/java/src/main/java/org/idnumbertool/idnumber/ApiConstants.java
                                         the 64-bit layouts (LP64 and LLP64
                                         agree for these structs)
  tests/capi/api_layouts.h               static_asserts of both layouts against
                                         the compiler's offsetof, included by the
                                         C API's tests (native, 64-bit) and by
                                         the WebAssembly module (wasm32)

The header is written in a plain style that this reader relies on: each
enumerator `IDN_NAME = value,` on its own line inside `typedef enum ... {`,
each struct member `type name;` or `type name[SIZE];` on its own line inside
`typedef struct ... {`, and macros `#define IDN_NAME value`. A member of a
type this script does not know stops it, so a new struct cannot slip through
unread.
"""

import argparse
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
HEADER = ROOT / "capi" / "idnumber.h"
JS = ROOT / "bindings" / "javascript" / "api_constants.js"
JAVA = ROOT / "bindings" / "java" / "src" / "main" / "java" / "org" / "idnumbertool" / "idnumber" / "ApiConstants.java"
CHECKS = ROOT / "tests" / "capi" / "api_layouts.h"

NOTICE = "GENERATED FILE - DO NOT EDIT. Written by scripts/generate_api_constants.py from capi/idnumber.h."


def strip_comments(text):
    return re.sub(r"/\*.*?\*/", "", text, flags=re.S)


def read_header():
    text = strip_comments(HEADER.read_text(encoding="utf-8"))
    constants = {}
    strings = {}
    for name, value in re.findall(r"^#define (IDN_[A-Z0-9_]+) +(.+?)\s*$", text, flags=re.M):
        value = value.strip()
        if re.fullmatch(r"-?\d+", value):
            constants[name] = int(value)
        elif re.fullmatch(r'"[^"]*"', value):
            strings[name] = value[1:-1]
    for body in re.findall(r"typedef enum \w+ \{(.*?)\}", text, flags=re.S):
        for name, value in re.findall(r"(IDN_[A-Z0-9_]+) = (-?\d+)", body):
            constants[name] = int(value)
    structs = {}
    for name, body in re.findall(r"typedef struct (idn_\w+_t) \{(.*?)\} \1;", text, flags=re.S):
        members = []
        for line in body.strip().splitlines():
            line = line.strip()
            if not line:
                continue
            array = re.fullmatch(r"(char|u?int(?:32|64)_t) (\w+)\[(\w+)\];", line)
            if array:
                size = array.group(3)
                members.append((array.group(2), array.group(1), int(size) if size.isdigit() else constants[size]))
                continue
            plain = re.fullmatch(r"(const char\*|u?int(?:32|64)_t|size_t) (\w+);", line)
            if not plain:
                if name in ("idn_generator_t", "idn_scanner_t"):
                    break  # opaque storage: its size is a macro, its members are no one's business
                sys.exit(f"{HEADER}: {name}: a member this script cannot lay out: {line}")
            members.append((plain.group(2), plain.group(1), None))
        else:
            structs[name] = members
    return constants, strings, structs


def layout(members, pointer_size):
    """Offsets and size by the C rules: each member at the next multiple of
    its alignment, the struct's size a multiple of its largest alignment."""
    sizes = {"int32_t": 4, "uint32_t": 4, "int64_t": 8, "uint64_t": 8, "const char*": pointer_size,
             "size_t": pointer_size}
    offset = 0
    alignment = 1
    offsets = {}
    sizes["char"] = 1
    for name, kind, count in members:
        size = align = sizes[kind]
        if count is not None:
            size *= count
        offset = (offset + align - 1) // align * align
        offsets[name] = offset
        offset += size
        alignment = max(alignment, align)
    return offsets, (offset + alignment - 1) // alignment * alignment


def short_name(struct):
    """idn_history_record_t -> historyRecord."""
    words = struct[len("idn_"):-len("_t")].split("_")
    return words[0] + "".join(word.capitalize() for word in words[1:])


def camel(member):
    words = member.split("_")
    return words[0] + "".join(word.capitalize() for word in words[1:])


def javascript(constants, strings, structs):
    lines = [f"// {NOTICE}", "//", "// The C API's enumerators and numeric macros, and where each struct's members",
             "// lie in the WebAssembly module's memory (wasm32).", "",
             "export const IDN = Object.freeze({"]
    for name in sorted(constants):
        lines.append(f"    {name}: {constants[name]},")
    for name in sorted(strings):
        lines.append(f"    {name}: '{strings[name]}',")
    lines += ["});", "", "// Byte offsets of each member, and the struct's size, by struct.",
              "export const LAYOUT = Object.freeze({"]
    for struct, members in structs.items():
        offsets, size = layout(members, 4)
        fields = ", ".join(f"{camel(member)}: {offset}" for member, offset in offsets.items())
        lines.append(f"    {short_name(struct)}: Object.freeze({{ {fields}, SIZE: {size} }}),")
    lines += ["});", ""]
    return "\n".join(lines)


def java(constants, strings, structs):
    lines = [f"// {NOTICE}", "package org.idnumbertool.idnumber;", "",
             "/**", " * The C API's enumerators and numeric macros, and where each struct's members",
             " * lie in a 64-bit process, as constants: no value, size or offset is written",
             " * by hand in the binding. In each struct's class, a member's offset has the",
             " * member's name in upper case (the member {@code size} as SIZE_MEMBER), and",
             " * SIZE is the struct's size.", " */",
             "final class ApiConstants {", "    private ApiConstants() {}", ""]
    for name in sorted(constants):
        value = constants[name]
        kind = "int" if -2**31 <= value < 2**31 else "long"
        suffix = "" if kind == "int" else "L"
        lines.append(f"    static final {kind} {name} = {value}{suffix};")
    for name in sorted(strings):
        lines.append(f'    static final String {name} = "{strings[name]}";')
    for struct, members in structs.items():
        offsets, size = layout(members, 8)
        lines += ["", f"    /** {struct}. */", f"    static final class {short_name(struct)[0].upper()}{short_name(struct)[1:]} {{",
                  "        private " + f"{short_name(struct)[0].upper()}{short_name(struct)[1:]}() {{}}", ""]
        for member, offset in offsets.items():
            # The member `size` would take the name of the struct's size.
            constant = "SIZE_MEMBER" if member == "size" else member.upper()
            lines.append(f"        static final int {constant} = {offset};")
        lines += [f"        static final int SIZE = {size};", "    }"]
    lines += ["}", ""]
    return "\n".join(lines)


def checks(structs):
    lines = [f"// {NOTICE}", "//", "// The layouts the bindings were given, held to the compiler's: a build for a",
             "// target whose layout differs stops here.", "#ifndef TESTS_CAPI_API_LAYOUTS_H",
             "#define TESTS_CAPI_API_LAYOUTS_H", "", "#include <stddef.h>", "#include <stdint.h>", "",
             '#include "capi/idnumber.h"', "", "#if UINTPTR_MAX == 0xFFFFFFFFu"]
    for pointer_size in (4, 8):
        if pointer_size == 8:
            lines.append("#else")
        for struct, members in structs.items():
            offsets, size = layout(members, pointer_size)
            for member, offset in offsets.items():
                lines.append(f'static_assert(offsetof({struct}, {member}) == {offset}, "{struct}.{member}");')
            lines.append(f'static_assert(sizeof({struct}) == {size}, "sizeof({struct})");')
    lines += ["#endif", "", "#endif", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="fail when a generated file differs")
    options = parser.parse_args()
    constants, strings, structs = read_header()
    outputs = {JS: javascript(constants, strings, structs), JAVA: java(constants, strings, structs),
               CHECKS: checks(structs)}
    stale = []
    for path, text in outputs.items():
        if options.check:
            if not path.exists() or path.read_text(encoding="utf-8") != text:
                stale.append(path)
        else:
            path.write_text(text, encoding="utf-8")
    if stale:
        for path in stale:
            print(f"{path.relative_to(ROOT)} is stale: run scripts/generate_api_constants.py", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
