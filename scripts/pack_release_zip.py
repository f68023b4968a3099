#!/usr/bin/env python3
"""Packs one release zip so that the same inputs always give the same bytes.

Usage: pack_release_zip.py OUTPUT.zip EPOCH VERSION NAME=PATH...

Entries are stored in the order given, every one with the time EPOCH (seconds
since 1970, in UTC, as SOURCE_DATE_EPOCH gives it), deflated at level 9, with
no extra fields and no comment, as plain files (rw-r--r--, and the MS-DOS
archive bit) made on "Unix". Names that are not ASCII are stored in UTF-8 with
the zip's UTF-8 flag (general purpose bit 11), the standard way; an archiver
that ignores the flag shows such a name garbled but extracts the contents
intact. (Made on "MS-DOS", unzip would read those names as OEM text.)

Entries whose name ends in .txt are notes for Windows users: their
"@VERSION@" becomes VERSION, their lines end in CR LF and they start with the
UTF-8 byte order mark, so that every Notepad shows them right.
"""
import sys
import time
import zipfile

DOS_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC, the earliest time a zip can hold


def note_for_windows(data: bytes, version: str) -> bytes:
    text = data.decode("utf-8").replace("@VERSION@", version)
    text = text.replace("\r\n", "\n").replace("\n", "\r\n")
    return b"\xef\xbb\xbf" + text.encode("utf-8")


def main(argv):
    if len(argv) < 5:
        sys.exit(__doc__)
    output, epoch, version = argv[1], int(argv[2]), argv[3]
    entries = []
    for entry in argv[4:]:
        name, separator, path = entry.partition("=")
        if not separator or not name or not path:
            sys.exit(f"pack_release_zip.py: {entry!r} is not NAME=PATH")
        entries.append((name, path))
    stamp = time.gmtime(max(epoch, DOS_EPOCH))[:6]
    with zipfile.ZipFile(output, "w") as archive:
        for name, path in entries:
            with open(path, "rb") as source:
                data = source.read()
            if name.endswith(".txt"):
                data = note_for_windows(data, version)
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix
            info.external_attr = (0o100644 << 16) | 0x20  # plain file rw-r--r--, archive bit
            archive.writestr(info, data, compresslevel=9)


if __name__ == "__main__":
    main(sys.argv)
