#!/usr/bin/env python3
"""Redacts the identity numbers of a folder of logs on a Dask cluster: each
file to a redacted copy at the same relative path under DESTINATION, every
other byte as it was, and prints the counts of what was replaced, gathered
from every file:

    42 files, 18874368 bytes: 1843 numbers replaced (0 low, 1790 medium, 53 high; 1650 plain, 60 fullwidth, 41 lowercase_x, 92 separated, 0 fifteen_digits)

    dask_redact.py [--scheduler ADDRESS] [--pattern GLOB] [--way WAY]
                   [--key-file PATH] [--first N] [--last N] [--label TEXT]
                   [--min-confidence LEVEL] [--encoding ENCODING]
                   [--fifteen-digits] [--as-of YYYY-MM-DD] [--counts CSV]
                   SOURCE DESTINATION

--scheduler is the address of a running cluster's scheduler
(tcp://host:8786); without it, a cluster of two worker processes starts on
127.0.0.1 for the run. Every worker needs idnumber installed in its Python
and must see SOURCE, DESTINATION and the key file at the same paths (a
shared file system); this file needs to be on none of them.

Each file is read a megabyte at a time and written as it is redacted
(idnumber.redact_stream), so a file of any size takes little memory; a
number cut between two reads is found once. A copy is written under a
temporary name and renamed when it is whole: DESTINATION never holds half a
file. The files are those under SOURCE matching --pattern (default "*",
every file; "*.log"), in every subfolder.

--way is mask (the default), label, token or pseudonym; token and pseudonym
need --key-file, a file of at least 16 bytes of secret (head -c 32
/dev/urandom > key). Each worker reads the key from the file itself, so
the key is never part of the task graph that the scheduler holds and its
dashboard shows. Every option is checked on the client before any file is
read, and a refusal is reported with nothing written. --as-of is the date
no birth may be after; without it, today's date on the client, the same
for every file of the run.

--counts CSV also writes each file's counts (path, bytes, matches, ...) to
CSV, never a number.

The cluster is started under `if __name__ == "__main__":`, since worker
processes import the main module again.
"""
import argparse
import csv
import dataclasses
import datetime
import os
import pathlib
import sys

import cloudpickle
from distributed import Client, LocalCluster

import idnumber

# The workers run this module's functions without it being installed there.
if __name__ != "__main__":
    cloudpickle.register_pickle_by_value(sys.modules[__name__])


def read_key(path):
    """The key file's bytes, as they are (a trailing line feed is part of it)."""
    if path is None:
        return None
    with open(path, "rb") as file:
        return file.read()


def redact_file(source, target, options, key_file):
    """Redacts one file into `target` (written beside it under a temporary
    name, then renamed) and returns its Summary."""
    key = read_key(key_file)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    partial = f"{target}.partial-{os.getpid()}"
    try:
        with open(source, "rb") as reader, open(partial, "wb") as writer:
            summary = idnumber.redact_stream(reader, writer, key=key, **options)
        os.replace(partial, target)
    except BaseException:
        if os.path.exists(partial):
            os.remove(partial)
        raise
    return summary


def files_of(source, destination, pattern):
    """The files under `source` matching `pattern`, in order, with where each
    copy goes; ValueError when the destination is inside the source."""
    source, destination = pathlib.Path(source).resolve(), pathlib.Path(destination).resolve()
    if not source.is_dir():
        raise ValueError(f"{source}: not a folder")
    if destination == source or source in destination.parents:
        raise ValueError(f"{destination}: the destination may not be inside the source, {source}")
    paths = sorted(path for path in source.rglob(pattern) if path.is_file())
    return [(str(path), str(destination / path.relative_to(source))) for path in paths]


def redact_folder(client, source, destination, pattern="*", key_file=None, **options):
    """Redacts the folder's files on the cluster: [(path, Summary)] in the
    files' order. The options are redact_stream's (without the key); they
    are checked here, with the key file's key, before any task starts."""
    idnumber.Redactor(key=read_key(key_file), **options)
    files = files_of(source, destination, pattern)
    futures = client.map(redact_file, [path for path, _ in files], [target for _, target in files],
                         options=options, key_file=key_file)
    return list(zip((path for path, _ in files), client.gather(futures)))


def report(summaries):
    total = sum((summary for _, summary in summaries), idnumber.Summary())
    forms = ", ".join(f"{getattr(total, name)} {name}" for name in
                      ("plain", "fullwidth", "lowercase_x", "separated", "fifteen_digits"))
    return (f"{len(summaries)} files, {total.scanned_bytes} bytes: {total.matches} numbers replaced "
            f"({total.low} low, {total.medium} medium, {total.high} high; {forms})")


def write_counts(path, summaries):
    names = [field.name for field in dataclasses.fields(idnumber.Summary)]
    with open(path, "w", newline="", encoding="utf-8") as file:
        writer = csv.writer(file)
        writer.writerow(["path", *names])
        for source, summary in summaries:
            writer.writerow([source, *(getattr(summary, name) for name in names)])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("source", metavar="SOURCE")
    parser.add_argument("destination", metavar="DESTINATION")
    parser.add_argument("--scheduler", help="address of a running scheduler; default: a local cluster")
    parser.add_argument("--pattern", default="*", help="the files to redact, by name (default: *)")
    parser.add_argument("--way", default="mask", choices=("mask", "label", "token", "pseudonym"))
    parser.add_argument("--key-file", help="the key of token and pseudonym: a file of at least 16 bytes")
    parser.add_argument("--first", type=int, help="mask: characters kept before the stars (default 6)")
    parser.add_argument("--last", type=int, help="mask: characters kept after them (default 4)")
    parser.add_argument("--label", help="label: what replaces each number (default [身份证号])")
    parser.add_argument("--min-confidence", default="medium", choices=("low", "medium", "high"))
    parser.add_argument("--encoding", default="utf-8", help="utf-8 (default), gbk or auto (each line)")
    parser.add_argument("--fifteen-digits", action="store_true", help="replace 15-digit numbers too")
    parser.add_argument("--as-of", type=datetime.date.fromisoformat, help="no birth after this date "
                        "(default: today)")
    parser.add_argument("--counts", metavar="CSV", help="write each file's counts to this CSV file")
    arguments = parser.parse_args()

    options = dict(way=arguments.way, min_confidence=arguments.min_confidence, encoding=arguments.encoding,
                   fifteen_digits=arguments.fifteen_digits, as_of=arguments.as_of or datetime.date.today())
    for name in ("first", "last", "label"):
        if getattr(arguments, name) is not None:
            options[name] = getattr(arguments, name)
    try:
        # Refused options and folders before a cluster starts.
        idnumber.Redactor(key=read_key(arguments.key_file), **options)
        files_of(arguments.source, arguments.destination, arguments.pattern)
    except (ValueError, TypeError, OSError) as error:
        print(f"dask_redact.py: {error}", file=sys.stderr)
        return 2

    cluster = None if arguments.scheduler else LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                                            host="127.0.0.1", dashboard_address=None)
    client = Client(arguments.scheduler or cluster)
    try:
        summaries = redact_folder(client, arguments.source, arguments.destination, arguments.pattern,
                                  arguments.key_file, **options)
        print(f"on {len(client.scheduler_info()['workers'])} workers", file=sys.stderr)
    finally:
        client.close()
        if cluster is not None:
            cluster.close()
    if arguments.counts:
        write_counts(arguments.counts, summaries)
    print(report(summaries))
    return 0


if __name__ == "__main__":
    sys.exit(main())
