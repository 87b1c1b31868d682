"""Ten million steam states on a Dask cluster: enthalpy from pressure and temperature.

    /usr/bin/python3 examples/python/dask_states.py [--states 10000000] [--chunk 1000000]
                                                    [--workers 2] [--scheduler ADDRESS]

Without --scheduler the script starts a distributed.LocalCluster on this machine: worker processes
with one thread each, everything on 127.0.0.1 (scheduler, workers and their dashboards at random
ports), scratch files in a temporary folder. The states are drawn on the workers (dask.array.random
with a fixed seed, p from 0.01 to 300 bar and T from 0 to 900 °C, so the states above 800 °C and
100 bar fail and come back as NaN), and each block of states is one call of vaprop.props, that is one
call of the library's batch export, inside dask.array.map_blocks.

The same code runs on a real Dask cluster; only the client changes:
  1. Install vaprop on every worker machine: the Debian package (python3 finds the package in
     /usr/lib/python3/dist-packages), or an installed tree with <prefix>/lib/python3/dist-packages on
     the workers' PYTHONPATH. numpy and distributed are needed there too (python3-distributed).
  2. Start the scheduler on one machine, `dask scheduler` (it listens on tcp://HOST:8786), and on each
     worker machine `dask worker tcp://HOST:8786 --nworkers N --nthreads 1`, one single-threaded worker
     per processor (props gets threads=1 below: the cluster, not the library, spreads the work).
  3. Run this script with --scheduler tcp://HOST:8786. Only the task graph goes to the cluster and only
     the summary numbers come back; the states are made and used on the workers. Keep the result
     distributed (or write it with to_zarr / to_npy_stack) instead of computing it into this process
     when it is larger than this machine's memory.
"""

import argparse
import contextlib
import tempfile
import time

import dask.array as da
import numpy as np

import vaprop

SEED = 97


def states(count, chunk, seed=SEED):
    """Pressures (bar) and temperatures (°C) of `count` states as dask arrays in blocks of `chunk`."""
    random = da.random.RandomState(seed)
    p = random.uniform(0.01, 300.0, size=count, chunks=chunk)
    T = random.uniform(0.0, 900.0, size=count, chunks=chunk)
    return p, T


def enthalpy_block(p, T):
    """One block: specific enthalpy in kJ/kg, NaN where a state failed; one library call."""
    return vaprop.props("PT", p, T, "H", units="SI", threads=1)


def enthalpy(p, T):
    """The enthalpy of every state as a lazy dask array, block by block."""
    return da.map_blocks(enthalpy_block, p, T, dtype=np.float64)


def local_cluster(workers, scratch):
    """A LocalCluster on the loopback interface only, with worker processes of one thread each."""
    from distributed import LocalCluster
    return LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, host="127.0.0.1",
                        dashboard_address="127.0.0.1:0", worker_dashboard_address="127.0.0.1:0",
                        local_directory=scratch)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--states", type=int, default=10_000_000)
    parser.add_argument("--chunk", type=int, default=1_000_000, help="states per block (one library call)")
    parser.add_argument("--workers", type=int, default=2, help="LocalCluster workers")
    parser.add_argument("--scheduler", help="address of a running scheduler, e.g. tcp://host:8786")
    args = parser.parse_args(argv)

    from distributed import Client
    with tempfile.TemporaryDirectory(prefix="vaprop-dask-") as scratch, \
            contextlib.nullcontext(args.scheduler) if args.scheduler else local_cluster(args.workers, scratch) \
            as cluster, Client(cluster) as client:
        p, T = states(args.states, args.chunk)
        h = enthalpy(p, T)
        start = time.perf_counter()
        failed, total = da.compute(da.isnan(h).sum(), da.nansum(h))
        seconds = time.perf_counter() - start
        workers = len(client.scheduler_info()["workers"])
    computed = args.states - int(failed)
    print(f"{args.states} states on {workers} workers in {seconds:.2f} s "
          f"({args.states / seconds / 1e6:.1f} M states/s)")
    print(f"computed {computed}, failed {int(failed)} (above 800 °C and 100 bar); "
          f"mean h {total / computed:.3f} kJ/kg")
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
