#!/usr/bin/env python3
"""Keeps the copies of the release's version equal to its one place.

The release's version is written once: IDN_VERSION_MAJOR, _MINOR and _PATCH in
capi/idnumber.h. CMake (cmake/idnumber_version.cmake), setup.py, the
PostgreSQL extension's Makefile and the scripts (scripts/release_version.sh)
read it there. Other ecosystems' manifests must hold it as a literal; this
script writes it into them:

  bindings/javascript/package.json        "version"
  bindings/javascript/package-lock.json   "version", and the root package's
  bindings/java/pom.xml                   the project's <version>

and checks debian/changelog, whose latest entry must be of this version (a
new version needs a new entry, with words of its own: dch -v VERSION).

Usage:
  sync_version.py           write the version into the manifests that differ
  sync_version.py --check   write nothing; exit 1, naming each file that
                            differs (CI, and the release check)
"""
import json
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
HEADER = ROOT / "capi" / "idnumber.h"


def header_version():
    text = HEADER.read_text(encoding="utf-8")
    parts = []
    for part in ("MAJOR", "MINOR", "PATCH"):
        match = re.search(rf"^#define IDN_VERSION_{part} ([0-9]+)$", text, re.M)
        if not match:
            sys.exit(f"sync_version.py: no '#define IDN_VERSION_{part} N' in {HEADER}")
        parts.append(match.group(1))
    return ".".join(parts)


def json_with_version(path, version, keys):
    """The file's text with the version at each key path, keeping its layout
    (npm writes two spaces and a final line feed)."""
    data = json.loads(path.read_text(encoding="utf-8"))
    for key in keys:
        place = data
        for name in key[:-1]:
            place = place[name]
        place[key[-1]] = version
    return json.dumps(data, indent=2, ensure_ascii=False) + "\n"


def pom_with_version(path, version):
    text = path.read_text(encoding="utf-8")
    # The project's own <version>, the first after its <artifactId> (a
    # dependency's comes later, inside <dependencies>).
    pattern = re.compile(r"(<artifactId>idnumber</artifactId>\s*<version>)([^<]*)(</version>)")
    if len(pattern.findall(text)) != 1:
        sys.exit(f"sync_version.py: {path} has no single <artifactId>idnumber</artifactId> <version>")
    return pattern.sub(lambda match: match.group(1) + version + match.group(3), text)


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        sys.exit(__doc__)
    version = header_version()
    javascript = ROOT / "bindings" / "javascript"
    wanted = {
        javascript / "package.json": json_with_version(javascript / "package.json", version, [("version",)]),
        javascript / "package-lock.json": json_with_version(
            javascript / "package-lock.json", version, [("version",), ("packages", "", "version")]),
        ROOT / "bindings" / "java" / "pom.xml": pom_with_version(ROOT / "bindings" / "java" / "pom.xml", version),
    }
    stale = []
    for path, text in wanted.items():
        if path.read_text(encoding="utf-8") != text:
            stale.append(path.relative_to(ROOT))
            if not check:
                path.write_text(text, encoding="utf-8")

    problems = []
    changelog = (ROOT / "debian" / "changelog").read_text(encoding="utf-8")
    latest = re.match(r"\S+ \(([^)]+)\)", changelog)
    if not latest or latest.group(1) != version:
        problems.append(f"debian/changelog: the latest entry is {latest.group(1) if latest else '(none)'}, "
                        f"not {version}: add an entry for {version} (dch -v {version})")
    if check:
        problems += [f"{path}: does not hold the version {version} (run scripts/sync_version.py)" for path in stale]
    else:
        for path in stale:
            print(f"sync_version.py: wrote {version} into {path}")
    for problem in problems:
        print(f"sync_version.py: {problem}", file=sys.stderr)
    if problems:
        sys.exit(1)
    if check:
        print(f"version {version}: the header, package.json, package-lock.json, pom.xml and debian/changelog agree")


if __name__ == "__main__":
    main(sys.argv)
