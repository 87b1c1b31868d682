"""The Dask example on a two-worker LocalCluster: 10^5 states, bit-identical to one process."""

import importlib.util
import os

import dask
import dask.array as da
import numpy as np
import pytest

import vaprop
from conftest import assert_same_bits


@pytest.fixture(scope="module")
def example():
    path = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "python", "dask_states.py")
    module_spec = importlib.util.spec_from_file_location("dask_states", path)
    module = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(module)
    return module


def test_map_blocks_on_a_local_cluster_equals_one_process(example, tmp_path):
    from distributed import Client

    p, T = example.states(100_000, 12_500)
    scratch = os.environ.get("VAPROP_DASK_DIR", str(tmp_path))
    with example.local_cluster(2, scratch) as cluster, Client(cluster) as client:
        assert len(client.scheduler_info()["workers"]) == 2
        on_cluster = example.enthalpy(p, T).compute()
        # The blocks really ran in the two worker processes, not here.
        loaded = client.run(lambda: "vaprop" in __import__("sys").modules)
        assert list(loaded.values()) == [True, True]
    p_here, T_here = dask.compute(p, T, scheduler="sync")
    here = vaprop.props("PT", p_here, T_here, "H")
    assert on_cluster.shape == (100_000,)
    assert_same_bits(on_cluster, here)
    failed = np.isnan(here)
    assert 0 < failed.sum() < 20_000
    assert ((p_here[failed] > 100) & (T_here[failed] > 800)).all()


def test_map_blocks_with_threads_equals_one_call(example):
    p, T = example.states(20_000, 3_000)
    threaded = da.map_blocks(example.enthalpy_block, p, T, dtype=float).compute(scheduler="threads")
    p_here, T_here = dask.compute(p, T, scheduler="sync")
    assert_same_bits(threaded, vaprop.props("PT", p_here, T_here, "H"))


def test_example_script_runs(example, capsys):
    assert example.main(["--states", "40000", "--chunk", "10000", "--workers", "2"]) == 0
    out = capsys.readouterr().out
    assert "40000 states on 2 workers" in out and "failed" in out
