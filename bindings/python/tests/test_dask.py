"""idnumber on a real Dask cluster: a scheduler and two worker processes on
127.0.0.1, started here and closed at the end, verify a CSV of 10^6 rows
read in 8 or more partitions; the counts per reason are idtool verify
--summary's on the same numbers. The example script does the same against
the cluster's address."""
import pathlib
import re
import subprocess
import sys

import dask
import pytest

from conftest import run_idtool, write_numbers

distributed = pytest.importorskip("distributed")
dd = pytest.importorskip("dask.dataframe")

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "examples" / "dask_verify.py"
sys.path.insert(0, str(EXAMPLE.parent))
import dask_verify  # noqa: E402


@pytest.fixture(scope="module")
def numbers(tmp_path_factory, idtool):
    """A CSV of 10^6 numbers under the header "number", and idtool's summary of them."""
    folder = tmp_path_factory.mktemp("dask")
    lines = write_numbers(folder / "numbers.txt", 1_000_000, seed=11)
    csv = folder / "numbers.csv"
    csv.write_bytes(b"number\n" + lines.read_bytes())
    status, out, err = run_idtool(idtool, "verify", "--only-invalid", "--summary", str(lines))
    assert status == 1
    return csv, re.sub(r"^idtool: verify: ", "", err.decode().strip())


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
    verdicts = frame.map_partitions(__import__("idnumber").verify_frame, "number")
    with distributed.get_task_stream(client) as tasks:
        counted = dask_verify.summary(verdicts)
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
