"""vaprop.props against a direct call of the library's batch export, on the same states.

    PYTHONPATH=<build>/python /usr/bin/python3 bench/python/bench_props.py [--states 1000000] [--repeat 7]

For 1, and for every, processor: the best time of `repeat` runs (taking turns) of
  props    vaprop.props("PT", p, T, "H", threads=n): argument checks, the output array, one call
  direct   StmBatch through ctypes on ready arrays into a ready output
and their ratio; then the time props spends around the library call (the call replaced by one that
returns at once), which does not depend on the machine's load as the two times above do on a shared
machine. The states (p from 0.01 to 300 bar, T from 0 to 800 °C, SI set) all succeed.
"""

import argparse
import os
import time

import numpy as np

import vaprop
from vaprop import _library


def best(functions, repeat):
    """The best time of each function over `repeat` rounds; the functions take turns within a round,
    so a change in the machine's load falls on both alike."""
    times = [[] for _ in functions]
    for _ in range(repeat):
        for function, runs in zip(functions, times):
            start = time.perf_counter()
            function()
            runs.append(time.perf_counter() - start)
    return [min(runs) for runs in times]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--states", type=int, default=1_000_000)
    parser.add_argument("--repeat", type=int, default=7)
    args = parser.parse_args()

    rng = np.random.default_rng(1)
    p = rng.uniform(0.01, 300.0, args.states)
    T = rng.uniform(0.0, 800.0, args.states)
    out = np.empty(args.states)

    def direct(threads):
        rc = _library.StmBatch(b"PT", b"H", 1, args.states, p.ctypes.data, T.ctypes.data, out.ctypes.data, threads)
        assert rc == 0

    direct(1)
    assert np.array_equal(vaprop.props("PT", p, T, "H", threads=1), out)
    print(f"{args.states} states (p,T) -> h, best of {args.repeat}")
    for threads in (1, 0):
        t_props, t_direct = best((lambda: vaprop.props("PT", p, T, "H", threads=threads),
                                  lambda: direct(threads)), args.repeat)
        label = "1 thread" if threads == 1 else f"all ({os.cpu_count()}) processors"
        print(f"{label:>22}: props {t_props * 1e3:8.2f} ms ({args.states / t_props / 1e6:6.2f} M states/s)"
              f"   direct {t_direct * 1e3:8.2f} ms ({args.states / t_direct / 1e6:6.2f} M states/s)"
              f"   ratio {t_props / t_direct:.3f}")

    library_call = _library.StmBatch
    _library.StmBatch = lambda *arguments: 0
    try:
        (t_around,) = best((lambda: vaprop.props("PT", p, T, "H", threads=1),), args.repeat)
    finally:
        _library.StmBatch = library_call
    print(f"props around the library call: {t_around * 1e3:.3f} ms")


if __name__ == "__main__":
    main()
