"""Shared helpers: the library's single exports through ctypes, the reference for every comparison,
and a bit-for-bit comparison of arrays."""

import ctypes

import numpy as np
import pytest

from vaprop import _library


def export(name):
    """A single export of libvaprop32 (StmPTH, StmTP, ...) as a Python function."""
    function = getattr(_library.lib, name)
    one_input = name in ("StmTP", "StmPT", "StmTempTI", "StmTempIT")
    function.argtypes = (ctypes.c_double,) * (1 if one_input else 2) + (ctypes.c_int32,)
    function.restype = ctypes.c_double
    return function


def bits(values):
    """The IEEE bit patterns of float64 values, for comparisons that tell -0.0 from 0.0."""
    return np.ascontiguousarray(values, dtype=np.float64).view(np.int64)


def assert_same_bits(got, expected):
    got, expected = np.asarray(got, dtype=np.float64), np.asarray(expected, dtype=np.float64)
    assert got.shape == expected.shape
    differ = bits(got) != bits(expected)
    assert not differ.any(), f"{differ.sum()} values differ, first at {np.argwhere(differ)[0]}: " \
                             f"{got[differ][0]!r} != {expected[differ][0]!r}"


@pytest.fixture
def rng():
    return np.random.default_rng(20261208)
