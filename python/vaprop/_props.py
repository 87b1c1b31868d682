"""props(): one call of the library's batch export for any number of states and properties."""

import ctypes
import math
import numbers
import sys

import numpy as np

from . import _library, _names
from ._errors import StateError

_MAX_COUNT = 2**31 - 1   # the batch export counts states in a 32-bit integer
_ERRORS = ("raise", "nan", "codes")


def _name_text(what, value):
    _names._require_text(what, value)
    if "\0" in value:
        raise ValueError(f"{what} {value!r} holds a NUL character")
    return value.strip().upper()


def _refused(code, pair, names):
    """The ValueError for a refusal of the library, naming the word it did not take."""
    if code == _library.UNKNOWN_PAIR:
        return ValueError(f"unknown input pair {pair!r}: accepted are {', '.join(_library.accepted_pairs())}")
    if code == _library.UNKNOWN_PROPERTY:
        bad = next((n for n in names if _library.refusal(pair, n) == _library.UNKNOWN_PROPERTY), None)
        if bad is None:   # every name known: the list as a whole is refused
            return ValueError(f"{len(names)} property names in one call: the library takes at most "
                              f"{_library.MAX_NAMES}")
        return ValueError(f"unknown property {bad!r}: accepted are {', '.join(_library.accepted_properties())}")
    return ValueError(f"the library refused the call for pair {pair!r} and properties {','.join(names)!r} "
                      f"with code {code}")


def _series_type():
    # pandas is used only when the caller already has it loaded and passes a Series.
    pandas = sys.modules.get("pandas")
    return getattr(pandas, "Series", None)


def _is_scalar(x):
    return isinstance(x, numbers.Real) and not isinstance(x, (bool, np.bool_))


def _float(x):
    """A real number as a double; an integer beyond the doubles' range as an infinity."""
    try:
        return float(x)
    except OverflowError:
        return math.inf if x > 0 else -math.inf


def _as_array(x, what, series):
    """(array of real numbers, index or None) for one input; TypeError for anything else."""
    index = None
    if series is not None and isinstance(x, series):
        index = x.index
        if x.dtype.kind not in "iuf":
            raise TypeError(f"{what}: a Series of {x.dtype} is not numeric input")
        x = x.to_numpy(dtype=np.float64, na_value=np.nan)
    try:
        array = np.asarray(x)
    except Exception as exc:  # ragged nested lists and the like
        raise TypeError(f"{what}: not an array of numbers ({exc})") from None
    if array.dtype.kind not in "iuf":
        raise TypeError(f"{what}: expected real numbers, got an array of {array.dtype}")
    return array, index


def _threads(threads):
    if threads is None:
        return 0   # the library's choice: every processor
    if isinstance(threads, bool) or not isinstance(threads, numbers.Integral):
        raise TypeError(f"threads must be an int, not {type(threads).__name__}")
    if threads < 0:
        raise ValueError(f"threads must be 0 (every processor) or more, not {threads}")
    return min(int(threads), 4096)


def props(pair, a, b, props, units="SI", ifc67=False, fast=False, *, errors=None, threads=None):
    """Properties of water and steam for one state or for arrays of states.

    pair     the two inputs: "PT", "PH", "PS", "PQ", "TQ", ... (a first, b second); vaprop.pairs()
    a, b     numbers, or arrays / lists / pandas Series broadcast against each other
    props    one name ("H"), a comma string ("H,S,V") or a list of names; vaprop.properties()
    units    unit-set name: "SI" (bar, °C, kJ/kg), "Eng", "EngG", "SIF", "SIK", "MET", "METF";
             vaprop.units(set) gives the unit text of every result
    ifc67    compute with the 1967 IFC formulation instead of IF97
    fast     (p,h) and (p,s) inputs: the IF97 backward temperature without refinement
    errors   what a failed state gives: "raise" (StateError), "nan" (NaN in its place) or "codes"
             (NaN, and the library's codes returned beside the values as (values, codes), 0 where the
             state was computed); default "raise" for two scalars, "nan" otherwise
    threads  processors the library uses for arrays: 0 or None every processor (default)

    Returns a float for scalars and one name, an array of the broadcast shape for arrays (a Series
    with the input's index when a Series came in), and a dict name -> result for several names.
    """
    pair = _name_text("pair", pair)
    names = tuple(_name_text("property name", n) for n in _names.split_properties(props))
    single = isinstance(props, str) and len(names) == 1
    word = _names.unit_set_word(units, ifc67, fast)
    nthreads = _threads(threads)
    if errors is not None and errors not in _ERRORS:
        raise ValueError(f"unknown errors={errors!r}: accepted are {', '.join(_ERRORS)}")

    if _is_scalar(a) and _is_scalar(b):
        return _scalar(pair, names, single, word, _float(a), _float(b), errors or "raise")

    series = _series_type()
    xa, index_a = _as_array(a, "a", series)
    xb, index_b = _as_array(b, "b", series)
    try:
        shape = np.broadcast_shapes(xa.shape, xb.shape)
    except ValueError:
        raise ValueError(f"input shapes {xa.shape} and {xb.shape} do not broadcast together") from None
    if index_a is not None and index_b is not None and not index_a.equals(index_b):
        raise ValueError("the two Series have different indexes")
    index = index_a if index_a is not None else index_b
    if index is not None and shape != (len(index),):
        raise ValueError(f"a Series broadcast to shape {shape} would lose its index")
    count = int(np.prod(shape, dtype=np.int64))
    if count > _MAX_COUNT:
        raise ValueError(f"{count} states in one call: at most {_MAX_COUNT}; split the input")

    in1 = np.ascontiguousarray(np.broadcast_to(xa, shape), dtype=np.float64)
    in2 = np.ascontiguousarray(np.broadcast_to(xb, shape), dtype=np.float64)
    # One row per state, one cell per name.
    out = np.empty((count, len(names)), dtype=np.float64)
    failed_cells = _library.StmBatch(pair.encode(), ",".join(names).encode(), word, count,
                                     in1.ctypes.data, in2.ctypes.data, out.ctypes.data, nthreads)
    if failed_cells < 0:
        raise _refused(failed_cells, pair, names)

    errors = errors or "nan"
    codes = None
    if failed_cells:
        failed = out <= _library.CODE_LIMIT
        if errors == "raise":
            state, cell = np.argwhere(failed)[0]
            raise StateError(out[state, cell], names[cell], tuple(int(i) for i in np.unravel_index(state, shape)))
        if errors == "codes":
            codes = np.where(failed, out, 0.0).astype(np.int32)
        out[failed] = np.nan
    elif errors == "codes":
        codes = np.zeros(out.shape, dtype=np.int32)

    values = _shaped(out, names, single, shape, index, series)
    if codes is not None:
        return values, _shaped(codes, names, single, shape, index, series)
    return values


def _shaped(table, names, single, shape, index, series):
    """The column of each name (a contiguous array of the broadcast shape, or a Series on the input's
    index); the one column itself for a single name."""
    results = {}
    for k, name in enumerate(names):
        column = table[:, k] if len(names) > 1 else table
        value = np.ascontiguousarray(column).reshape(shape)
        results[name] = value if index is None else series(value, index=index, name=name)
    return results[names[0]] if single else results


def _scalar(pair, names, single, word, a, b, errors):
    if single:
        values = (_library.StmProp(pair.encode(), a, b, names[0].encode(), word),)
        if values[0] in _library.REFUSALS:
            raise _refused(int(values[0]), pair, names)
    else:
        in1, in2 = ctypes.c_double(a), ctypes.c_double(b)
        out = (ctypes.c_double * len(names))()
        rc = _library.StmBatch(pair.encode(), ",".join(names).encode(), word, 1,
                               ctypes.addressof(in1), ctypes.addressof(in2), ctypes.addressof(out), 1)
        if rc < 0:
            raise _refused(rc, pair, names)
        values = tuple(out)
    results, codes = {}, {}
    for name, value in zip(names, values):
        code = 0
        if value <= _library.CODE_LIMIT:
            if errors == "raise":
                raise StateError(value, name)
            code, value = int(value), float("nan")
        results[name], codes[name] = value, code
    if single:
        results, codes = results[names[0]], codes[names[0]]
    return (results, codes) if errors == "codes" else results
