#!/usr/bin/env python3
"""Packs one release zip so that the same inputs always give the same bytes.

Usage: pack_release_zip.py [--version VERSION --platform PLATFORM] OUTPUT.zip EPOCH NAME=PATH...

Entries are stored in the order given, every one with the time EPOCH (seconds
since 1970, in UTC, as SOURCE_DATE_EPOCH gives it), deflated at level 9, with
no extra fields and no comment, as plain files (rw-r--r--, and the MS-DOS
archive bit) made on "Unix". Names that are not ASCII are stored in UTF-8 with
the zip's UTF-8 flag (general purpose bit 11), the standard way; an archiver
that ignores the flag shows such a name garbled but extracts the contents
intact. (Made on "MS-DOS", unzip would read those names as OEM text.)

Entries whose name ends in .txt are notes for Windows users, about this zip
(with --version and --platform): "@VERSION@" becomes VERSION and "@ZIP@" the
zip's file name; a line that starts with "@PLATFORM " (such as "@win32 ") is
kept, without that word, only in the zip of that platform; a line that starts
with "@file NAME " is kept, without "@file ", only when the zip holds NAME,
and each run of such lines must then name every entry of the zip, so that a
file added to the zips cannot go unlisted. The notes' lines end in CR LF and
they start with the UTF-8 byte order mark, so that every Notepad shows them
right.
"""
import os
import sys
import time
import zipfile

DOS_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC, the earliest time a zip can hold


PLATFORMS = ("win32", "win64")


def check_listed(listed, entries, number):
    missing = [name for name in entries if name not in listed]
    if missing:
        sys.exit(f"pack_release_zip.py: the note's list of files ending at line {number} lacks {missing}")


def note_for_windows(template: bytes, version: str, platform: str, zip_name: str, entries: list) -> bytes:
    lines = []
    listed = []  # the names of the current run of "@file" lines
    for number, line in enumerate(template.decode("utf-8").splitlines(), 1):
        keep, names = True, []
        while line.startswith("@") and not line.startswith(("@VERSION@", "@ZIP@")):
            marker, _, line = line[1:].partition(" ")
            if marker == "file" and line.split():
                names.append(line.split()[0])
                keep = keep and names[-1] in entries
            elif marker in PLATFORMS:
                keep = keep and marker == platform
            else:
                sys.exit(f"pack_release_zip.py: line {number} of a note starts with an unknown @{marker}")
        if names:
            listed += names
        elif listed:
            check_listed(listed, entries, number - 1)
            listed = []
        if keep:
            lines.append(line.replace("@VERSION@", version).replace("@ZIP@", zip_name))
    if listed:
        check_listed(listed, entries, number)
    return b"\xef\xbb\xbf" + "".join(line + "\r\n" for line in lines).encode("utf-8")


def main(argv):
    version = platform = None
    arguments = argv[1:]
    while arguments and arguments[0] in ("--version", "--platform") and len(arguments) > 1:
        if arguments[0] == "--version":
            version = arguments[1]
        else:
            platform = arguments[1]
        arguments = arguments[2:]
    if len(arguments) < 3:
        sys.exit(__doc__)
    output, epoch = arguments[0], int(arguments[1])
    entries = []
    for entry in arguments[2:]:
        name, separator, path = entry.partition("=")
        if not separator or not name or not path:
            sys.exit(f"pack_release_zip.py: {entry!r} is not NAME=PATH")
        entries.append((name, path))
    names = [name for name, _ in entries]
    stamp = time.gmtime(max(epoch, DOS_EPOCH))[:6]
    with zipfile.ZipFile(output, "w") as archive:
        for name, path in entries:
            with open(path, "rb") as source:
                data = source.read()
            if name.endswith(".txt"):
                if version is None or platform is None:
                    sys.exit(f"pack_release_zip.py: the note {name} needs --version and --platform")
                data = note_for_windows(data, version, platform, os.path.basename(output), names)
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix
            info.external_attr = (0o100644 << 16) | 0x20  # plain file rw-r--r--, archive bit
            archive.writestr(info, data, compresslevel=9)


if __name__ == "__main__":
    main(sys.argv)
