"""idnumber on a real Dask cluster: a scheduler and two worker processes on
127.0.0.1, started here and closed at the end, verify a CSV of 10^6 rows
read in 8 or more partitions; the counts per verdict are idtool verify
--summary's on the same file. The example script does the same against the
cluster's address, and reads files of awkward bytes (NUL bytes, invalid
UTF-8, CR, byte-order marks, quotes) as idtool reads them. The example of a
folder of logs redacts each file on the workers into the copy redact()
makes of it, and sums their counts."""
import datetime
import pathlib
import re
import subprocess
import sys

import dask
import pytest

from conftest import corpus, run_idtool, write_numbers

distributed = pytest.importorskip("distributed")
dd = pytest.importorskip("dask.dataframe")

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "examples" / "dask_verify.py"
REDACT_EXAMPLE = EXAMPLE.parent / "dask_redact.py"
sys.path.insert(0, str(EXAMPLE.parent))
import dask_redact  # noqa: E402
import dask_verify  # noqa: E402

import idnumber  # noqa: E402


def idtool_summary(idtool, *arguments):
    status, out, err = run_idtool(idtool, "verify", "--only-invalid", "--summary", *arguments)
    assert status in (0, 1), err
    return re.sub(r"^idtool: verify: ", "", err.decode().strip())


@pytest.fixture(scope="module")
def numbers(tmp_path_factory, idtool):
    """A CSV of 10^6 numbers under the header "number", and idtool's summary of it."""
    folder = tmp_path_factory.mktemp("dask")
    lines = write_numbers(folder / "numbers.txt", 1_000_000, seed=11)
    csv = folder / "numbers.csv"
    csv.write_bytes(b"number\n" + lines.read_bytes())
    return csv, idtool_summary(idtool, "--column", "number", str(csv))


@pytest.fixture(scope="module")
def client(tmp_path_factory):
    work = tmp_path_factory.mktemp("dask-workers")
    with dask.config.set({"temporary-directory": str(work)}):
        with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                                      dashboard_address=None) as cluster:
            with distributed.Client(cluster) as client:
                yield client
    # Both worker processes have ended with the cluster.
    assert cluster.status.name == "closed"


def test_counts_on_two_workers_are_idtools(numbers, client):
    csv, expected = numbers
    assert len(client.scheduler_info()["workers"]) == 2
    frame = dask_verify.read_numbers(str(csv), "number", True, "2MB")
    assert frame.npartitions >= 8
    verdicts = frame.map_partitions(idnumber.verify_frame, "number")
    with distributed.get_task_stream(client) as tasks:
        counted = dask_verify.summary(verdicts, header=True)
    assert counted == expected
    assert len({task["worker"] for task in tasks.data}) == 2


def test_the_example_gives_the_same_counts_on_a_given_cluster(numbers, client, tmp_path):
    csv, expected = numbers
    address = client.scheduler.address
    done = subprocess.run([sys.executable, str(EXAMPLE), "--scheduler", address, "--blocksize", "2MB",
                           "--refused", str(tmp_path), str(csv)], capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    assert done.stdout.strip() == expected
    assert re.search(r"^\d+ partitions on 2 workers$", done.stderr, re.M), done.stderr
    refused = sum(len(path.read_text().splitlines()) - 1 for path in tmp_path.glob("refused-*.csv"))
    valid = int(re.search(r"(\d+) valid", expected).group(1))
    assert refused == 1_000_000 - valid


AWKWARD = [
    b"11010519491231002\x00",  # a NUL where the check character goes: pandas' reader cut it off
    b"\x00" * 18,
    b"110105\x0019491231002X",
    b"11010519491231002X\x00\x00",
    b"",
    b"\xff\xfe11010519491231002X",
    "张三".encode("gbk") + b"11010519491231",
    b"11010519491231002X\r",  # a CRLF line
    b"1101051949\r1231002X",  # a CR inside
    b"\xef\xbb\xbf11010519491231002X",  # a byte-order mark not at the file's start
    b"NA",
    b"#11010519491231002X",
    b" 11010519491231002X",
]


def awkward_lines(idtool, tmp_path, count):
    numbers = write_numbers(tmp_path / "numbers.txt", count, seed=5).read_bytes().split(b"\n")[:-1]
    # Spread over the blocks.
    for k, line in enumerate(AWKWARD * 20):
        numbers.insert((k * 7919) % len(numbers), line)
    return numbers


@pytest.mark.parametrize("blocksize", ["64kB", None])
def test_lines_with_nul_bytes_give_idtools_counts(idtool, client, tmp_path, blocksize):
    lines = awkward_lines(idtool, tmp_path, 20_000)
    path = tmp_path / "awkward.txt"
    # A byte-order mark at the start, and a last line without LF that ends in CR.
    path.write_bytes(b"\xef\xbb\xbf" + b"\n".join(lines) + b"\nlast\r")
    expected = idtool_summary(idtool, str(path))
    frame = dask_verify.read_numbers(str(path), "number", False, blocksize)
    assert frame.npartitions > (1 if blocksize else 0)
    verdicts = frame.map_partitions(idnumber.verify_frame, "number")
    assert dask_verify.summary(verdicts) == expected


def test_csv_cells_with_nul_bytes_give_idtools_counts(idtool, client, tmp_path):
    lines = awkward_lines(idtool, tmp_path, 20_000)
    rows = [b'"Zhang, San",' + line if k % 3 == 0 else b"x," + line + b",\"a \"\"b\"\"\"" for k, line in
            enumerate(lines)]
    rows[5] = b"short"  # a row without the column
    path = tmp_path / "awkward.csv"
    path.write_bytes(b"\xef\xbb\xbfname,number,note\r\n" + b"\n".join(rows) + b"\n")
    expected = idtool_summary(idtool, "--column", "number", str(path))
    assert expected.endswith(", 1 no_column")
    refused = tmp_path / "refused"
    refused.mkdir()
    done = subprocess.run([sys.executable, str(EXAMPLE), "--scheduler", client.scheduler.address, "--blocksize",
                           "64kB", "--refused", str(refused), str(path)], capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    assert done.stdout.strip() == expected
    # The refused cells are written back byte for byte.
    written = b"".join(part.read_bytes() for part in sorted(refused.glob("refused-*.csv")))
    assert b"\n11010519491231002\x00,characters," in written
    assert b"\n\xff\xfe11010519491231002X,length," in written


def synchronously(frame):
    with dask.config.set(scheduler="synchronous"):
        return frame.compute()


LINES = [case for case in corpus.load("lines") if case.get("encoding") is None]


@pytest.mark.parametrize("case", LINES, ids=[f"python lines/{case['id']}" for case in LINES])
def test_the_example_reads_files_as_idtool_does(case, tmp_path):
    path = tmp_path / ("input.csv" if "column" in case else "input.txt")
    path.write_bytes(corpus.bytes_of(case["file"]))
    column = case.get("column", "number")
    frame = dask_verify.read_numbers(str(path), column, "column" in case, "1kB")
    if isinstance(case["expect"], dict):
        with pytest.raises(ValueError, match=re.escape(case["expect"]["refused"])):
            synchronously(frame)
        return
    verdicts = synchronously(frame.map_partitions(idnumber.verify_frame, column, fields=("valid", "reason",
                                                                                          "hint")))
    got = [None if valid is dask_verify.pd.NA else [reason, hint]
           for valid, reason, hint in zip(verdicts["valid"], verdicts["reason"], verdicts["hint"])]
    assert got == [None if row is None else row[2:] for row in case["expect"]]


def test_a_quoted_line_break_across_blocks_stops_the_job(tmp_path):
    path = tmp_path / "quoted.csv"
    head = b"name,number\n" + b"x,11010519491231002X\n" * 200
    # Blocks of exactly `block` bytes (a file of two), the first cut inside the quotes.
    block = len(head) + 1
    data = head + b'"a\nb",1\n'
    filler = 2 * block - len(data) - 4
    data += b"y,2\n" * (filler // 4) + b"y," + b"2" * (filler % 4 + 1) + b"\n"
    path.write_bytes(data)
    assert len(data) == 2 * block
    frame = dask_verify.read_numbers(str(path), "number", True, block)
    assert frame.npartitions == 2
    with pytest.raises(ValueError, match="a quoted cell holds a line break where the file is cut into blocks"):
        synchronously(frame)
    assert synchronously(dask_verify.read_numbers(str(path), "number", True, None))["number"][200] == "1"


# ---- A folder of logs, redacted ----------------------------------------------------------

AS_OF = "2024-06-30"


@pytest.fixture(scope="module")
def logs(tmp_path_factory):
    """A folder of 30 logs in two subfolders: UTF-8 and GBK lines, numbers
    in every form, awkward bytes, an empty file, and a file of 3 MB whose
    numbers lie across the example's reads of a megabyte."""
    folder = tmp_path_factory.mktemp("logs")
    numbers = idnumber.generate("110105", born_between=("19500101", "20001231"), count=3000, seed=9)
    for k in range(28):
        sub = folder / ("web" if k % 2 else "batch") / f"day{k % 5}"
        sub.mkdir(parents=True, exist_ok=True)
        lines = []
        for i, number in enumerate(numbers[k * 100:(k + 1) * 100]):
            shown = (f"{number[:6]} {number[6:14]} {number[14:]}" if i % 7 == 0 else
                     number.translate({ord(c): ord(c) + 0xFEE0 for c in "0123456789X"}) if i % 11 == 0 else number)
            line = f"2024-06-01 INFO id_no={shown} 金额 {i}" if i % 3 else f"身份证号：{shown} 已核实"
            lines.append(line.encode("gbk") if i % 5 == 0 else line.encode())
        lines.append(b"\x00\xff\xfe tail \r")
        (sub / f"app-{k}.log").write_bytes(b"\n".join(lines) + b"\r\n")
    (folder / "empty.log").write_bytes(b"")
    block = b"x" * ((1 << 20) - 10) + b" " + numbers[0].encode() + b" "
    (folder / "big.log").write_bytes(block * 3)
    return folder


def redacted_copies(source, destination, **options):
    """Each file's copy as the example writes it, beside redact()'s of the file."""
    for path in sorted(p for p in source.rglob("*") if p.is_file()):
        copy = destination / path.relative_to(source)
        yield path, copy.read_bytes(), idnumber.redact(path.read_bytes(), **options)


def test_a_folder_of_logs_is_redacted_on_two_workers(logs, client, tmp_path):
    destination = tmp_path / "redacted"
    options = dict(way="label", encoding="auto", as_of=datetime.date(2024, 6, 30))
    with distributed.get_task_stream(client) as tasks:
        summaries = dask_redact.redact_folder(client, str(logs), str(destination), **options)
    assert len(summaries) == 30 and len({task["worker"] for task in tasks.data}) == 2
    for path, copy, expected in redacted_copies(logs, destination, **options):
        assert copy == expected, path
    assert [s for _, s in summaries] == [idnumber.redact(pathlib.Path(p).read_bytes(), summary=True, **options)[1]
                                         for p, _ in summaries]
    assert not list(destination.rglob("*.partial-*"))
    total = sum(s for _, s in summaries)
    assert total.matches == 28 * 100 + 3 and total.separated > 0 and total.fullwidth > 0 and total.high > 0


def test_the_folder_example_with_a_key_file_on_a_given_cluster(logs, client, tmp_path):
    key_file = tmp_path / "key"
    key_file.write_bytes(b"a key file of more than 16 bytes\n")
    destination = tmp_path / "out"
    counts = tmp_path / "counts.csv"
    done = subprocess.run([sys.executable, str(REDACT_EXAMPLE), "--scheduler", client.scheduler.address,
                           "--way", "pseudonym", "--key-file", str(key_file), "--as-of", AS_OF, "--pattern", "*.log",
                           "--counts", str(counts), str(logs), str(destination)],
                          capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    options = dict(way="pseudonym", key=key_file.read_bytes(), as_of=datetime.date(2024, 6, 30))
    summaries = []
    for path, copy, expected in redacted_copies(logs, destination, **options):
        assert copy == expected, path
        summaries.append(idnumber.redact(path.read_bytes(), summary=True, **options)[1])
    assert done.stdout.strip() == dask_redact.report(list(zip(range(len(summaries)), summaries)))
    assert done.stdout.startswith("30 files, ") and "on 2 workers" in done.stderr
    rows = counts.read_text().splitlines()
    assert len(rows) == 31 and rows[0].startswith("path,matches,low,medium,high,plain,")
    # Counts, never numbers.
    assert not any(number in counts.read_text() + done.stdout for number in ("110105", "19491231"))


@pytest.mark.parametrize("arguments, message", [
    (["--way", "token", "--key-file", "{short}"], "key: must be at least 16 bytes, not 5"),
    (["--way", "token"], "key is required by the token and pseudonym ways of redaction"),
    (["--key-file", "{short}"], "key is an option of way='token' and way='pseudonym'"),
    (["--encoding", "latin-1"], "encoding: must be"),
    (["--first", "20"], "first: must be 0 to 17, not 20"),
    (["--pattern", "*", "{logs}", "{logs}/inside"], "may not be inside the source"),
])
def test_the_folder_example_refuses_before_writing(logs, tmp_path, arguments, message):
    # Refused on the client: no cluster starts, nothing is written.
    short = tmp_path / "short"
    short.write_bytes(b"short")
    arguments = [a.format(short=short, logs=logs) for a in arguments]
    if not any(a.startswith(str(logs)) for a in arguments):
        arguments += [str(logs), str(tmp_path / "out")]
    done = subprocess.run([sys.executable, str(REDACT_EXAMPLE), *arguments], capture_output=True, text=True,
                          check=False, timeout=60)
    assert done.returncode == 2 and message in done.stderr, done.stderr
    assert not (tmp_path / "out").exists() and not (logs / "inside").exists()
