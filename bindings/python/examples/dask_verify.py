#!/usr/bin/env python3
"""Verifies the identity numbers of files on a Dask cluster and prints the
count of rows per verdict, in the words of `idtool verify --summary`:

    1000000 lines, 699538 valid, 74810 length, 75256 characters, 75310 check, 75086 date

    dask_verify.py [--scheduler ADDRESS] [--column NAME | --no-header]
                   [--blocksize BYTES] [--refused DIR] FILE...

--scheduler is the address of a running cluster's scheduler
(tcp://host:8786); without it, a cluster of two worker processes starts on
127.0.0.1 for the run. Every worker needs idnumber installed in its Python;
this file needs to be on none of them.

The files are read as idtool reads them, every byte of a cell kept (NUL
bytes, invalid UTF-8, GBK, a byte-order mark in the middle, CR), so the
counts are idtool's on the same files:

- --no-header: one number per line, as `idtool verify --summary FILE...`:
  lines end in LF or CRLF, a UTF-8 byte-order mark at the start of each file
  is dropped, the last line needs no line end, blank lines count (refused
  for their length).
- --column NAME|N (default "number"): CSV files whose first row names the
  columns (N: the Nth column, from 1), as `idtool verify --column NAME
  --summary FILE...` (RFC 4180: a
  quoted cell may hold commas, CR, LF and doubled quotes; a quote inside an
  unquoted cell, or text after a closing quote, is text; rows end in LF or
  CRLF). A row without the column counts as no_column.

Cells reach idnumber as str decoded with errors="surrogateescape" (PEP 383),
which idnumber verifies as the very bytes they came from. Each file is cut
into blocks of --blocksize bytes at line ends, one partition each. A quoted
CSV cell that holds a line break where a block ends stops the job with a
message: give a --blocksize above the file's size (dask.dataframe.read_csv
would read such a file wrongly without a word).

--refused DIR also writes the refused rows (the cell, reason and message) as
CSV files into DIR, one per partition, each cell's bytes as they were.

The cluster is started under `if __name__ == "__main__":`, since worker
processes import the main module again.
"""
import argparse
import re
import sys

import cloudpickle
import dask
import dask.dataframe as dd
import numpy as np
import pandas as pd
from dask.bytes import read_bytes
from distributed import Client, LocalCluster

import idnumber

REASONS = ("length", "characters", "check", "date")
BYTE_ORDER_MARK = "\ufeff"

# The workers run this module's functions without it being installed there.
if __name__ != "__main__":
    cloudpickle.register_pickle_by_value(sys.modules[__name__])


def decoded(block):
    """A block's bytes as str, each byte that is no UTF-8 kept as a lone
    surrogate (idnumber takes it back as that byte)."""
    return block.decode("utf-8", "surrogateescape")


def block_lines(block, first):
    """The lines of a block as idtool reads them: split at LF, the CR of a
    CRLF dropped, a byte-order mark at the start of a file dropped; a last
    line without LF (at the end of a file) kept as it is, CR and all."""
    text = decoded(block)
    if first and text.startswith(BYTE_ORDER_MARK):
        text = text[1:]
    lines = text.split("\n")
    last = lines.pop()
    if "\r" in text:  # most files have no CR: no pass over their lines
        lines = [line[:-1] if line.endswith("\r") else line for line in lines]
    if last:
        lines.append(last)
    return lines


QUOTED = re.compile(r'"((?:[^"]|"")*)"([^,\n]*)')
PLAIN = re.compile(r"[^,\n]*")


class OpenQuote(ValueError):
    """A quoted cell that does not close before the end of a block."""


def csv_rows(text):
    """The rows of CSV text as idtool's --column reads them, each a list of
    its cells. Raises OpenQuote for a quoted cell the text does not close."""
    rows = []
    if '"' not in text:
        lines = text.split("\n")
        last = lines.pop()
        rows = [(line[:-1] if line.endswith("\r") else line).split(",") for line in lines]
        if last:
            rows.append(last.split(","))
        return rows
    position, end = 0, len(text)
    while position < end:
        row = []
        while True:
            if text[position:position + 1] == '"':
                match = QUOTED.match(text, position)
                if match is None:
                    raise OpenQuote()
                inside, after = match.group(1).replace('""', '"'), match.group(2)
            else:
                match = PLAIN.match(text, position)
                inside, after = "", match.group(0)
            position = match.end()
            if position < end and text[position] == ",":
                row.append(inside + after)
                position += 1
                continue
            if position < end:  # LF: the row ends, and the CR of a CRLF with it
                position += 1
                if after.endswith("\r"):
                    after = after[:-1]
            row.append(inside + after)
            break
        rows.append(row)
    return rows


def column_index(block, column, path):
    """The column's position: N - 1 for a number N, else the name's in the
    header, the first row of a file's first block."""
    if column.isascii() and column.isdigit() and int(column) > 0:
        return int(column) - 1
    text = decoded(block)
    if text.startswith(BYTE_ORDER_MARK):
        text = text[1:]
    try:
        header = csv_rows(text.split("\n", 1)[0])
    except OpenQuote:  # a quoted name holding a line break
        header = csv_rows(text)
    names = header[0] if header else [""]
    if column not in names:
        raise ValueError(f"{path}: the header has no column {column}")
    return names.index(column)


def csv_cells(block, index, first, last, path, column):
    """The column's cells of a block's rows (None for a row without the
    column), the header row of a file's first block left out."""
    text = decoded(block)
    if first and text.startswith(BYTE_ORDER_MARK):
        text = text[1:]
    try:
        rows = csv_rows(text)
    except OpenQuote:
        if last:
            raise ValueError(f"{path}: a quoted field is not closed at the end") from None
        raise ValueError(f"{path}: a quoted cell holds a line break where the file is cut into blocks; give "
                         "--blocksize above the file's size") from None
    if first:
        rows = rows[1:]
    return pd.DataFrame({column: pd.Series([row[index] if index < len(row) else None for row in rows],
                                           dtype=object)})


def line_cells(block, first, column):
    # An object array straight from the list: a third faster than a Series.
    return pd.DataFrame({column: np.array(block_lines(block, first), dtype=object)}, copy=False)


def read_numbers(files, column, header, blocksize):
    """The files as a Dask DataFrame of one column, `column`: each line's
    (or each CSV row's cell's) text, every byte kept."""
    _, blocks, paths = read_bytes(files, delimiter=b"\n", blocksize=blocksize, sample=False, include_path=True)
    meta = pd.DataFrame({column: pd.Series([], dtype=object)})
    parts = []
    for path, file_blocks in zip(paths, blocks):
        if not header:
            parts += [dask.delayed(line_cells)(block, k == 0, column) for k, block in enumerate(file_blocks)]
            continue
        if not file_blocks:
            continue
        index = dask.delayed(column_index)(file_blocks[0], column, path)
        parts += [dask.delayed(csv_cells)(block, index, k == 0, k == len(file_blocks) - 1, path, column)
                  for k, block in enumerate(file_blocks)]
    if not parts:
        return dd.from_pandas(meta, npartitions=1)
    return dd.from_delayed(parts, meta=meta, verify_meta=False)


def verdict_counts(frame):
    """A partition's count of rows per verdict (valid, each reason,
    no_column: no cell), as a small Series: only it leaves the worker."""
    valid = frame["valid"].array
    counts = frame["reason"].value_counts()  # the refused rows' reasons
    counts["valid"] = int(valid.sum())  # NA (no cell) skipped
    counts["no_column"] = int(valid.isna().sum())
    return counts.astype("int64")


def summary(verdicts, header=False):
    """The count of rows per verdict, counted on the workers, in idtool's words."""
    meta = pd.Series([], dtype="int64", name="count")
    counts = verdicts.map_partitions(verdict_counts, meta=meta).compute()
    counts = counts.groupby(level=0).sum()
    total = int(counts.sum())
    parts = [f"{total} {'rows' if header else 'lines'}", f"{int(counts.get('valid', 0))} valid"]
    parts += [f"{int(counts.get(reason, 0))} {reason}" for reason in REASONS]
    if header:
        parts.append(f"{int(counts.get('no_column', 0))} no_column")
    return ", ".join(parts)


def verify_files(client, files, column="number", header=True, blocksize="16MB", refused=None,
                 fields=("valid", "reason", "message")):
    """The files' partitions and the summary of their verdicts. ``fields``
    are those verify_frame makes (None: every field); the counts need valid
    and reason, the refused rows message too."""
    numbers = read_numbers(files, column, header, blocksize)
    verdicts = numbers.map_partitions(idnumber.verify_frame, column, fields=fields)
    if not refused:
        return numbers.npartitions, summary(verdicts, header)
    # Kept on the workers for both the refused rows and the counts.
    verdicts = client.persist(verdicts)
    bad = verdicts[(verdicts["valid"] == False).fillna(False).astype(bool)][[column, "reason", "message"]]  # noqa: E712
    # Binary files, so that each cell's escaped bytes are written as they were read.
    bad.to_csv(f"{refused}/refused-*.csv", index=False, mode="wb", encoding="utf-8", errors="surrogateescape")
    return numbers.npartitions, summary(verdicts, header)


# The worker processes' malloc keeps the memory of a partition's columns for
# the next partition. Dask's workers ask glibc to give freed memory back at
# 64 KB, and glibc maps each large block anew: every partition's columns
# (about 150 MB of 845,431 rows with every field) were then new pages, each
# a page fault the kernel clears, a third of the job's time.
WORKER_ALLOCATOR = {
    "distributed.nanny.pre-spawn-environ.MALLOC_MMAP_THRESHOLD_": 32 << 20,  # glibc's largest
    "distributed.nanny.pre-spawn-environ.MALLOC_TRIM_THRESHOLD_": 1 << 30,
}


def local_cluster(workers=2):
    """A cluster of `workers` worker processes, one thread each, on 127.0.0.1."""
    with dask.config.set(WORKER_ALLOCATOR):
        return LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, host="127.0.0.1",
                            dashboard_address=None)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="+", metavar="FILE")
    parser.add_argument("--scheduler", help="address of a running scheduler; default: a local cluster")
    parser.add_argument("--column", default="number",
                        help="the CSV column of numbers, by name or number from 1 (default: number)")
    parser.add_argument("--no-header", action="store_true", help="files of one number per line")
    parser.add_argument("--blocksize", default="16MB", help="bytes per partition (default: 16MB)")
    parser.add_argument("--refused", metavar="DIR", help="write the refused rows as CSV files into DIR")
    arguments = parser.parse_args()

    if arguments.scheduler:
        cluster = None
        client = Client(arguments.scheduler)
    else:
        cluster = local_cluster()
        client = Client(cluster)
    try:
        partitions, counts = verify_files(client, arguments.files, arguments.column, not arguments.no_header,
                                          arguments.blocksize, arguments.refused)
        print(f"{partitions} partitions on {len(client.scheduler_info()['workers'])} workers", file=sys.stderr)
        print(counts)
    finally:
        client.close()
        if cluster is not None:
            cluster.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
