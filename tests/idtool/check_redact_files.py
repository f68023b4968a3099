#!/usr/bin/env python3
"""What idtool redact does to files, beyond the end-to-end cases:
--in-place keeps the file's mode and follows a symbolic link; a kill -9 in
the middle of --in-place leaves the original whole; a full disk (a file-size
limit, as `ulimit -f` sets) leaves it whole too and says so; a long line
without line feeds costs no more memory than a short one (find and redact);
on a pipe, what is decided is written before the input ends.

  check_redact_files.py --program build/native/idtool
"""

import argparse
import hashlib
import os
import resource
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

NUMBER = b"11010519491231002X"
MASKED = b"110105********002X"


def line_text(count):
    return b"".join(b"%08d user=7 id=%s ok\n" % (i, NUMBER) for i in range(count))


def check_mode_and_link(program, folder, failures):
    target = folder / "kept.log"
    target.write_bytes(b"a " + NUMBER + b"\n")
    target.chmod(0o640)
    link = folder / "link.log"
    link.symlink_to("kept.log")
    result = subprocess.run([program, "redact", "--in-place", str(link)], capture_output=True)
    if result.returncode != 0 or target.read_bytes() != b"a " + MASKED + b"\n":
        failures.append(f"in-place through a link: {result.returncode} {target.read_bytes()!r} {result.stderr!r}")
    if (target.stat().st_mode & 0o777) != 0o640:
        failures.append(f"in-place mode: {oct(target.stat().st_mode)}")
    if not link.is_symlink():
        failures.append("in-place replaced the link, not its target")
    left = [p.name for p in folder.iterdir() if ".idtool-" in p.name]
    if left:
        failures.append(f"temporary files left: {left}")


def check_kill(program, folder, failures):
    big = folder / "big.log"
    big.write_bytes(line_text(2_000_000))  # 60 MB: seconds under the sanitizers
    before = hashlib.sha256(big.read_bytes()).hexdigest()
    process = subprocess.Popen([program, "redact", "--in-place", str(big)], stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 60
    killed_while_writing = False
    while time.monotonic() < deadline and process.poll() is None:
        temporary = [p for p in folder.iterdir() if p.name.startswith(".big.log.idtool-")]
        if temporary and temporary[0].stat().st_size > 1 << 20:
            process.send_signal(signal.SIGKILL)
            killed_while_writing = True
            break
        time.sleep(0.005)
    process.wait()
    if not killed_while_writing:
        failures.append("kill -9: the run ended before a megabyte of its temporary file was written")
    elif hashlib.sha256(big.read_bytes()).hexdigest() != before:
        failures.append("kill -9 during --in-place changed the original")
    for p in folder.iterdir():
        if p.name.startswith(".big.log.idtool-"):
            p.unlink()  # what a killed run leaves, as its help says
    big.unlink()


def limited(size):
    def limit():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)  # writes fail with EFBIG instead
        resource.setrlimit(resource.RLIMIT_FSIZE, (size, size))
    return limit


def check_full_disk(program, folder, failures):
    full = folder / "full.log"
    data = line_text(100_000)
    full.write_bytes(data)
    result = subprocess.run([program, "redact", "--in-place", str(full)], capture_output=True,
                            preexec_fn=limited(1 << 20))
    if result.returncode != 2 or b"full.log" not in result.stderr or full.read_bytes() != data:
        failures.append(f"full disk, --in-place: {result.returncode} {result.stderr!r}")
    left = [p.name for p in folder.iterdir() if ".idtool-" in p.name]
    if left:
        failures.append(f"full disk: temporary files left: {left}")
    out = folder / "out.log"
    result = subprocess.run([program, "redact", "--output", str(out), str(full)], capture_output=True,
                            preexec_fn=limited(1 << 20))
    if result.returncode != 2 or b"--output" not in result.stderr:
        failures.append(f"full disk, --output: {result.returncode} {result.stderr!r}")


def peak_kilobytes(args, data_file):
    with open(data_file, "rb") as source:
        process = subprocess.Popen(args, stdin=source, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
    return os.waitstatus_to_exitcode(status), usage.ru_maxrss


def check_long_line(program, folder, failures):
    short = folder / "short.txt"
    short.write_bytes(b"7" * 100 + NUMBER)
    long_line = folder / "long.txt"
    with open(long_line, "wb") as out:
        piece = (b"7" * 1000 + b" " + NUMBER + b" ") * 1000
        for _ in range(100):  # about 100 MB, no line feed
            out.write(piece)
    for command in (["find", "--count"], ["redact"]):
        _, small = peak_kilobytes([program] + command, short)
        status, large = peak_kilobytes([program] + command, long_line)
        if status != 0 or large > small + 16 * 1024:
            failures.append(f"{command[0]}: a 100 MB line took {large} KiB against {small} KiB ({status})")
    long_line.unlink()


def check_pipe(program, failures):
    process = subprocess.Popen([program, "redact"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    process.stdin.write(b"a " + NUMBER + b" b\n" + b"x" * 1000 + b"\n")
    process.stdin.flush()
    got = os.read(process.stdout.fileno(), 100)
    if not got.startswith(b"a " + MASKED + b" b\n"):
        failures.append(f"pipe: {got!r} before the input ended")
    process.stdin.close()
    process.stdout.read()
    process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    options = parser.parse_args()
    program = str(Path(options.program).resolve())
    failures = []
    with tempfile.TemporaryDirectory() as name:
        folder = Path(name)
        check_mode_and_link(program, folder, failures)
        check_kill(program, folder, failures)
        check_full_disk(program, folder, failures)
        check_long_line(program, folder, failures)
    check_pipe(program, failures)
    for failure in failures:
        print("FAIL", failure)
    print(f"redact files: {'failed' if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
