"""Shared fixtures of idnumber's tests: idtool (the project's command line,
which verdicts and numbers are compared with), the conformance corpus and
the C library that words its messages, and files of realistic numbers
written by scripts/bench_numbers.py.

IDTOOL names the idtool to compare with, IDNUMBER_LIBRARY the shared C
library; by default the release build's build/release/idtool and
build/release/capi/libidnumber.so of this repository (scripts/test-python.sh
builds both).
"""
import json
import os
import pathlib
import subprocess
import sys

import pytest

REPOSITORY = pathlib.Path(__file__).resolve().parents[3]
sys.path.insert(0, str(REPOSITORY / "tests" / "conformance"))
import corpus  # noqa: E402,F401  (the corpus's reader, for the tests that import it from here)


@pytest.fixture(scope="session")
def idtool():
    path = pathlib.Path(os.environ.get("IDTOOL", REPOSITORY / "build" / "release" / "idtool"))
    if not path.is_file():
        pytest.fail(f"no idtool at {path}: build the release preset or set IDTOOL")
    return str(path)


@pytest.fixture(scope="session")
def library():
    """The C API through ctypes, to word messages with generate's parameter names."""
    path = pathlib.Path(os.environ.get("IDNUMBER_LIBRARY",
                                       REPOSITORY / "build" / "release" / "capi" / "libidnumber.so"))
    if not path.is_file():
        pytest.fail(f"no C library at {path}: build the release preset's idnumber target or set IDNUMBER_LIBRARY")
    return corpus.library(str(path))


def run_idtool(idtool, *arguments, stdin=None):
    """idtool's (status, stdout, stderr), as bytes."""
    done = subprocess.run([idtool, "--no-progress", *arguments], input=stdin, capture_output=True, check=False)
    return done.returncode, done.stdout, done.stderr


def idtool_records(idtool, path):
    """idtool verify --format jsonl on a file: one dict per line."""
    status, out, err = run_idtool(idtool, "verify", "--format", "jsonl", str(path))
    assert status in (0, 1), err
    return [json.loads(line) for line in out.splitlines()]


def write_numbers(path, count, seed=8):
    subprocess.run(
        [sys.executable, str(REPOSITORY / "scripts" / "bench_numbers.py"), "--count", str(count), "--seed",
         str(seed), str(path)],
        check=True,
    )
    return path
