"""Runs of idtool for the scripts beside this file, natively or under Wine.

Outputs go to files, not pipes: processes that Wine starts beside the
program inherit them and would hold pipes open for seconds. A run that Wine
itself failed (its client losing the server on a loaded machine, or a start
that wrote nothing at all where idtool always writes something) is no answer
of idtool's: it is started once more, and said. Offers run_to_files,
run_program and describe_difference.
"""

import subprocess
import tempfile


def run_to_files(command, cwd, input=None, stdin=None, env=None, timeout=900):
    """(stdout, stderr, exit status) of one run; standard input the bytes
    `input`, an open file `stdin`, or nothing."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        status = subprocess.run(command, input=input, stdin=stdin if input is None else None,
                                stdout=out, stderr=err, cwd=cwd, env=env, timeout=timeout).returncode
        out.seek(0)
        err.seek(0)
        return out.read(), err.read(), status


def wine_failed(result, writes_something):
    """Wine's failure rather than idtool's answer: its client's complaint, or
    nothing written at all with an exit status that idtool gives only with a
    message (any but 0 when the command always writes something, else any
    but 0 and 1)."""
    out, err, status = result
    if b"wine client error" in err:
        return True
    if out or err:
        return False
    return status != 0 if writes_something else status not in (0, 1)


def run_program(command, cwd, emulated, label, writes_something=False, input=None, stdin=None, env=None,
                timeout=900):
    """run_to_files, once more when `emulated` and Wine failed the run.
    `writes_something`: the command always writes to stdout or stderr, so a
    run that wrote nothing failed to start. A standard input file is read
    again from its start."""
    result = run_to_files(command, cwd, input, stdin, env, timeout)
    if emulated and wine_failed(result, writes_something):
        print(f"note {label}: Wine failed ({result[1].strip()[:80]!r}, exit {result[2]}); run again", flush=True)
        if stdin is not None:
            stdin.seek(0)
        result = run_to_files(command, cwd, input, stdin, env, timeout)
    return result


def describe_difference(first, second, names=("first", "second")):
    """Where two (stdout, stderr, status) results differ, in one line."""
    parts = []
    for what, a, b in (("stdout", first[0], second[0]), ("stderr", first[1], second[1])):
        if a != b:
            at = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
            start = max(0, at - 40)
            parts.append(f"{what} of {len(a)} and {len(b)} bytes differs at byte {at}: "
                         f"{a[start:at + 60]!r} and {b[start:at + 60]!r}")
    if first[2] != second[2]:
        parts.append(f"exit {first[2]} and {second[2]}")
    return f"{names[0]} and {names[1]} differ: " + "; ".join(parts)
