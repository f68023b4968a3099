#!/usr/bin/env python3
"""Verifies a column of identity numbers in CSV files on a Dask cluster and
prints the count of rows per verdict, in the words of `idtool verify
--summary`:

    1000000 lines, 699538 valid, 74810 length, 75256 characters, 75310 check, 75086 date

    dask_verify.py [--scheduler ADDRESS] [--column NAME | --no-header]
                   [--blocksize BYTES] [--refused DIR] FILE...

--scheduler is the address of a running cluster's scheduler
(tcp://host:8786); without it, a cluster of two worker processes starts on
127.0.0.1 for the run. Every worker needs idnumber installed in its Python.
Each partition of the CSV goes through idnumber.verify_frame, which appends
the verdict columns it needs (valid, reason, message). --column names the numbers' column (default "number");
--no-header reads files of one number per line (and no TAB). Every cell is read as text,
as it stands: no value is taken for NA, no quote is special, blank lines
count (as refused for their length), so the counts are idtool's on the same
lines. --refused DIR also writes the refused rows (the number, reason and
message) as CSV files into DIR, one per partition.

The cluster is started under `if __name__ == "__main__":`, since worker
processes import this file again.
"""
import argparse
import csv
import sys

import dask.dataframe as dd
from distributed import Client, LocalCluster

import idnumber

REASONS = ("length", "characters", "check", "date")


def read_numbers(files, column, header, blocksize):
    """The files as a Dask DataFrame, every cell a str as it stands."""
    options = dict(dtype=str, na_filter=False, keep_default_na=False, skip_blank_lines=False,
                   quoting=csv.QUOTE_NONE, blocksize=blocksize)
    if not header:
        options.update(header=None, names=[column], sep="\t")
    return dd.read_csv(files, **options)


def summary(verdicts):
    """The count of rows per verdict, computed on the cluster."""
    counts = verdicts["reason"].fillna("valid").value_counts().compute()
    total = int(counts.sum())
    parts = [f"{total} lines", f"{int(counts.get('valid', 0))} valid"]
    parts += [f"{int(counts.get(reason, 0))} {reason}" for reason in REASONS]
    return ", ".join(parts)


def verify_files(client, files, column="number", header=True, blocksize="16MB", refused=None):
    numbers = read_numbers(files, column, header, blocksize)
    # The fields the counts and the refused rows need, not all sixteen.
    verdicts = numbers.map_partitions(idnumber.verify_frame, column, fields=("valid", "reason", "message"))
    verdicts = client.persist(verdicts)
    if refused:
        bad = verdicts[~verdicts["valid"].fillna(False).astype(bool)][[column, "reason", "message"]]
        bad.to_csv(f"{refused}/refused-*.csv", index=False)
    return numbers.npartitions, summary(verdicts)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="+", metavar="FILE")
    parser.add_argument("--scheduler", help="address of a running scheduler; default: a local cluster")
    parser.add_argument("--column", default="number", help="the column of numbers (default: number)")
    parser.add_argument("--no-header", action="store_true", help="files of one number per line")
    parser.add_argument("--blocksize", default="16MB", help="bytes per partition (default: 16MB)")
    parser.add_argument("--refused", metavar="DIR", help="write the refused rows as CSV files into DIR")
    arguments = parser.parse_args()

    if arguments.scheduler:
        cluster = None
        client = Client(arguments.scheduler)
    else:
        cluster = LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                               dashboard_address=None)
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
