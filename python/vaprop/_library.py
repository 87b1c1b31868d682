"""The property library libvaprop32, loaded through ctypes from the path this package was built or
installed with (relative to this folder, so an installed tree works under any prefix), and the names
it accepts, asked of the library itself."""

import ctypes
import functools
import os

from . import _location, _names

_here = os.path.dirname(os.path.abspath(__file__))
PATH = os.path.normpath(os.path.join(_here, _location.LIBRARY))

try:
    lib = ctypes.CDLL(PATH)
except OSError as exc:  # pragma: no cover - a broken install
    raise ImportError(f"vaprop: cannot load the property library {PATH}: {exc}") from exc

_double = ctypes.c_double
_int32 = ctypes.c_int32
_text = ctypes.c_char_p
_pointer = ctypes.c_void_p

# int32_t StmBatch(pair, props, UnitSet, count, in1, in2, out, threads): row i of out holds one cell per
# name for the inputs in1[i], in2[i]; threads 0 is one thread per processor. Returns the number of cells
# holding a code, or a refusal code (below) with nothing touched. The library keeps no state between
# calls: any number of threads may call it at once.
StmBatch = lib.StmBatch
StmBatch.argtypes = (_text, _text, _int32, _int32, _pointer, _pointer, _pointer, _int32)
StmBatch.restype = _int32

# double StmProp(pair, in1, in2, prop, UnitSet): one property of one state, or a code (<= -1000).
StmProp = lib.StmProp
StmProp.argtypes = (_text, _double, _double, _text, _int32)
StmProp.restype = _double

CODE_LIMIT = -1000.0
UNKNOWN_PAIR = -3100
UNKNOWN_PROPERTY = -3200
INVALID_COUNT = -3300
NULL_POINTER = -3400
REFUSALS = (UNKNOWN_PAIR, UNKNOWN_PROPERTY, INVALID_COUNT, NULL_POINTER)
MAX_NAMES = 64   # names in one batch call

_probe = _double(0.0)


def refusal(pair, props):
    """The batch call's refusal code for a pair and a comma list of properties, 0 when it takes them
    (asked with no states, so nothing is computed)."""
    cell = ctypes.addressof(_probe)
    rc = StmBatch(pair.encode(), props.encode(), 1, 0, cell, cell, cell, 1)
    return rc if rc < 0 else 0


@functools.lru_cache(maxsize=None)
def accepted_pairs():
    """The input pairs of this package's list that the library takes."""
    return tuple(pair for pair in _names.PAIRS if refusal(pair, "P") != UNKNOWN_PAIR)


@functools.lru_cache(maxsize=None)
def accepted_properties():
    """The property names of this package's list that the library takes."""
    return tuple(name for name in _names.PROPERTIES if refusal("PT", name) != UNKNOWN_PROPERTY)
