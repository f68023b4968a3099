#!/usr/bin/env python3
"""idtool's manual pages, as man shows them, against the program's help.

The commands are those `idtool --help` lists: each must have its page
idtool-COMMAND.1 (a command added to the program fails here until it has
one), and idtool.1 must name each. Every page is rendered by `man -l` without
a warning and has the sections NAME, SYNOPSIS, DESCRIPTION, OPTIONS, EXIT
STATUS and SEE ALSO; every line of `idtool [COMMAND] --help` (its options,
fields, formats, exit statuses) is in its page's text, in the same order of
words; and each example is a line of its own, so man never runs two together.

Usage: check_man_pages.py IDTOOL MANDIR
MANDIR holds the pages, as idtool-verify.1 or (installed) idtool-verify.1.gz.
"""
import os
import pathlib
import re
import subprocess
import sys

SECTIONS = ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "SEE ALSO")


def help_text(program, *command):
    return subprocess.run([program, *command, "--help"], capture_output=True, text=True, check=True).stdout


def commands_of(program):
    lines = help_text(program).splitlines()
    start = lines.index("Subcommands:") + 1
    commands = []
    for line in lines[start:]:
        if not line.startswith("  "):
            break
        if not line.startswith("   "):
            commands.append(line.split()[0])
    return commands


def render(page):
    environment = dict(os.environ, MANWIDTH="80", LANG="C.UTF-8", LC_ALL="C.UTF-8", MANPAGER="cat", PAGER="cat")
    shown = subprocess.run(["man", "--warnings=all", "-l", str(page)], capture_output=True, env=environment)
    plain = subprocess.run(["col", "-b", "-x"], input=shown.stdout, capture_output=True, check=True).stdout
    return shown.returncode, plain.decode("utf-8"), shown.stderr.decode("utf-8", "replace")


def collapse(text):
    return " ".join(text.split())


def pieces(lines):
    """The help's text to be found in its page: each indented line (a row of
    a table, an option's description) as it is, and the unindented lines'
    text sentence by sentence (a page may move a sentence to another section,
    as the exit status, or fill the lines otherwise). Headings that are the
    page's sections or its layout are not looked for."""
    run = []
    for line in lines + [""]:
        if line and not line.startswith(" ") and not line.startswith("Usage: ") and line not in (
                "Options:", "Positionals:", "Subcommands:", "Examples:", "Exit status:"):
            run.append(line)
            continue
        if run:
            yield from re.split(r"(?<=\.)\s+(?=[A-Z])", " ".join(run))
            run = []
        if line.startswith(" "):
            yield line


def check_page(program, folder, name, command):
    problems = []
    found = [path for path in (folder / f"{name}.1", folder / f"{name}.1.gz") if path.exists()]
    if not found:
        return [f"{name}: no manual page ({name}.1) in {folder}"]
    status, text, warnings = render(found[0])
    if status != 0 or warnings.strip():
        problems.append(f"{name}: man -l failed or warned: {warnings.strip()}")
    headings = [line for line in text.splitlines() if line and not line[0].isspace()]
    for section in SECTIONS:
        if section not in headings:
            problems.append(f"{name}: no {section} section")
    whole = collapse(text)
    helped = help_text(program, *([command] if command else []))
    lines = helped.splitlines()
    for piece in pieces(lines):
        if collapse(piece) not in whole:
            problems.append(f"{name}: the help's {piece.strip()!r} is not in the page")
    for heading, section in (("Examples:", "EXAMPLES"), ("Exit status:", "EXIT STATUS")):
        if heading in lines and section not in headings:
            problems.append(f"{name}: the help's {heading} has no section {section}")
    if "Examples:" in lines:
        shown = {line.strip() for line in text.splitlines()}
        for example in lines[lines.index("Examples:") + 1:]:
            if not example.strip():
                break
            if example.strip() not in shown:
                problems.append(f"{name}: the example {example.strip()!r} is not a line of its own")
    return problems


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    program, folder = argv[1], pathlib.Path(argv[2])
    commands = commands_of(program)
    if not commands:
        sys.exit("check_man_pages.py: idtool --help lists no command")
    problems = check_page(program, folder, "idtool", None)
    _, main_page, _ = render(next(folder.glob("idtool.1*"), folder / "idtool.1"))
    for command in commands:
        if f"idtool-{command}(1)" not in main_page:
            problems.append(f"idtool: the page does not name idtool-{command}(1)")
        problems += check_page(program, folder, f"idtool-{command}", command)
    for problem in problems:
        print(f"FAIL: {problem}")
    if problems:
        sys.exit(1)
    print(f"man pages: idtool and {', '.join(f'idtool-{c}' for c in commands)}: every line of the help, "
          "every section, each example on its own line")


if __name__ == "__main__":
    main(sys.argv)
