#!/usr/bin/env python3
"""Writes idtool's manual pages from the program's own help.

  idtool.1            the program: its global options, formats, exit statuses,
                      examples, and the list of its commands
  idtool-COMMAND.1    one page per command (as git has git-log(1)): its
                      synopsis, what it does, its arguments and options, its
                      fields, notes, exit status and examples

The commands are those `idtool --help` lists, so a command added to the
program gets its page, and its text is that of `idtool COMMAND --help`: the
help is the one source, the pages its layout for man. A paragraph of the help
keeps its lines where they are indented (tables of formats, fields, exit
statuses, examples: one line each, as in the help) and is filled where they
are not. Sentences that begin "Exit status" make the EXIT STATUS section, a
paragraph "Examples:" the EXAMPLES section, one that begins "Fields of" the
FIELDS section; the other paragraphs are the NOTES.

Usage: idtool_man_pages.py IDTOOL OUTDIR
Removes the *.1 files OUTDIR holds, then writes the pages there.
"""
import pathlib
import re
import subprocess
import sys

COLUMN = 28  # idtool's help puts each option's description at this column (column_width)
SECTIONS = ("Positionals:", "Options:", "Subcommands:")


def run_help(program, *command):
    result = subprocess.run([program, *command, "--help"], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"idtool_man_pages.py: {' '.join([program, *command, '--help'])} failed: {result.stderr}")
    return result.stdout


def parse_help(text):
    """The help's parts: description lines, usage, the entries of each
    section as (name, description) and the footer's lines."""
    lines = text.rstrip("\n").split("\n")
    usage_at = next(i for i, line in enumerate(lines) if line.startswith("Usage: "))
    parsed = {"description": lines[:usage_at], "usage": lines[usage_at][len("Usage: "):], "sections": {}}
    at = usage_at + 1
    while at < len(lines):
        line = lines[at]
        if line in SECTIONS:
            entries = []
            at += 1
            while at < len(lines) and lines[at].startswith("  "):
                entry = lines[at]
                if entry.startswith(" " * COLUMN):
                    entries[-1][1].append(entry.strip())
                elif len(entry) > COLUMN and entry[COLUMN - 1] == " ":
                    entries.append([entry[:COLUMN].strip(), [entry[COLUMN:].strip()]])
                else:
                    entries.append([entry.strip(), []])
                at += 1
            parsed["sections"][line[:-1]] = [(name, " ".join(words)) for name, words in entries]
        elif not line.strip():
            at += 1
        else:
            break
    parsed["footer"] = lines[at:]
    return parsed


def roff(text):
    """A line of text as roff: backslashes, hyphens (ASCII hyphen-minus, so
    that options can be copied), quotes, carets and tildes kept as typed."""
    for plain, escaped in (("\\", "\\e"), ("-", "\\-"), ("'", "\\(aq"), ("`", "\\(ga"), ("^", "\\(ha"),
                           ("~", "\\(ti")):
        text = text.replace(plain, escaped)
    return "\\&" + text if text.startswith(".") else text


def paragraphs(lines):
    current = []
    for line in lines:
        if line.strip():
            current.append(line)
        elif current:
            yield current
            current = []
    if current:
        yield current


def split_exit_status(lines):
    """A paragraph's lines without its sentences about the exit status, and
    those sentences. Only unindented runs are read as sentences."""
    kept, statuses, run = [], [], []

    def flush():
        if not run:
            return
        sentences = re.split(r"(?<=\.)\s+(?=[A-Z])", " ".join(line.strip() for line in run))
        others = [sentence for sentence in sentences if not sentence.startswith("Exit status")]
        statuses.extend(sentence for sentence in sentences if sentence.startswith("Exit status"))
        if others:
            kept.append(" ".join(others))
        run.clear()

    for line in lines:
        if line.startswith(" "):
            flush()
            kept.append(line)
        else:
            run.append(line)
    flush()
    return kept, statuses


def body(lines):
    """Help lines as roff: indented ones kept as they are (no filling), the
    others filled."""
    out, filling = [], True
    for line in lines:
        indented = line.startswith(" ")
        if indented and filling:
            out.append(".nf")
        elif not indented and not filling:
            out.append(".fi")
        filling = not indented
        out.append(roff(line))
    if not filling:
        out.append(".fi")
    return out


def page(name, summary, version, parsed, commands=()):
    title = name.upper()
    out = [f'.TH {roff(title)} 1 "" "{roff("idtool " + version)}" "User Commands"', ".nh", ".ad l",
           ".SH NAME", f"{roff(name)} \\- {roff(summary)}",
           ".SH SYNOPSIS", roff(parsed["usage"])]
    notes, fields, statuses, examples = [], [], [], []
    for paragraph in paragraphs(parsed["footer"]):
        if paragraph[0] == "Examples:":
            examples = [line.strip() for line in paragraph[1:]]
        elif paragraph[0] == "Exit status:":
            statuses.append(paragraph[1:])
        else:
            kept, found = split_exit_status(paragraph)
            statuses.extend([[sentence] for sentence in found])
            if kept:
                (fields if kept[0].startswith("Fields of") else notes).append(kept)
    out.append(".SH DESCRIPTION")
    out += body(parsed["description"])
    if commands:
        out.append(".SH COMMANDS")
        for command, text in commands:
            out += [".TP", f".B {roff(command)}", f"{roff(text)} (see", f".BR idtool\\-{roff(command)} (1))"]
    for section, heading in (("Positionals", "ARGUMENTS"), ("Options", "OPTIONS")):
        entries = parsed["sections"].get(section, [])
        if entries:
            out.append(f".SH {heading}")
            for option, text in entries:
                out += [".TP", f".B {roff(option)}", roff(text)]
    for heading, section in (("FIELDS", fields), ("NOTES", notes)):
        if section:
            out.append(f".SH {heading}")
        for paragraph in section:
            out.append(".PP")
            out += body(paragraph)
    if not statuses:
        sys.exit(f"idtool_man_pages.py: the help of {name} says nothing of its exit status")
    out.append(".SH EXIT STATUS")
    for status in statuses:
        out.append(".PP")
        out += body(status)
    if examples:
        out += [".SH EXAMPLES", ".nf"] + [roff(example) for example in examples] + [".fi"]
    # The program's page names each command's; a command's page the program's.
    others = [f"idtool-{command}" for command, _ in commands] if commands else ["idtool"]
    out.append(".SH SEE ALSO")
    out.append(",\n".join(f".BR {roff(other)} (1)" for other in others))
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    program, folder = argv[1], pathlib.Path(argv[2])
    version = subprocess.run([program, "--version"], capture_output=True, text=True, check=True).stdout.split()[-1]
    main_help = parse_help(run_help(program))
    commands = main_help["sections"].get("Subcommands", [])
    if not commands:
        sys.exit("idtool_man_pages.py: idtool --help lists no command")
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.glob("*.1"):
        old.unlink()
    description = " ".join(main_help["description"])
    summary = description.removeprefix("idtool: ").split(". ")[0].rstrip(".")
    (folder / "idtool.1").write_text(page("idtool", summary, version, main_help, commands), encoding="utf-8")
    for command, text in commands:
        parsed = parse_help(run_help(program, command))
        # The first line of a command's help is its one-line summary: the NAME
        # line, and the description's first sentence.
        summary = parsed["description"][0]
        parsed["description"] = [summary[0].upper() + summary[1:] + "."] + parsed["description"][1:]
        (folder / f"idtool-{command}.1").write_text(page(f"idtool-{command}", summary, version, parsed),
                                                    encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)
