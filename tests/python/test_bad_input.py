"""Bad input: the exception and its message for every kind of mistake, and nothing a caller passes
crashes the interpreter."""

import numpy as np
import pytest

import vaprop

P = np.array([1.0, 10.0, 100.0])
T = np.array([100.0, 300.0, 500.0])

# (arguments, keyword arguments, exception, message pattern)
CASES = [
    (("XY", 1, 2, "H"), {}, ValueError, r"unknown input pair 'XY': accepted are PT, PH, PS, PQ, TQ"),
    (("XY", P, T, "H"), {}, ValueError, r"unknown input pair 'XY': accepted are PT, PH"),
    (("PTH", P, T, "H"), {}, ValueError, r"unknown input pair 'PTH'"),
    (("Pé", 1, 2, "H"), {}, ValueError, r"unknown input pair 'PÉ'"),
    (("PT", 1, 2, "Z"), {}, ValueError, r"unknown property 'Z': accepted are P, T, Q, H"),
    (("PT", P, T, "H,ZZ,S"), {}, ValueError, r"unknown property 'ZZ'"),
    (("PT", P, T, ["H", "bogus"]), {}, ValueError, r"unknown property 'BOGUS'"),
    (("PT", P, T, "H,"), {}, ValueError, r"empty property name"),
    (("PT", P, T, ["H"] * 65), {}, ValueError, r"65 property names in one call: the library takes at most 64"),
    (("PT", P, T, []), {}, ValueError, r"empty property name"),
    (("PT", 1, 2, "H"), {"units": "Engineering"}, ValueError,
     r"unknown unit set 'Engineering': accepted are Eng, SI, EngG, SIF, SIK, MET, METF"),
    (("PT", P, T, "H"), {"units": "S"}, ValueError, r"unknown unit set 'S'"),
    (("PT", P, T, "H"), {"units": ""}, ValueError, r"unknown unit set ''"),
    (("PT", P, T, "H"), {"units": 1}, TypeError, r"units must be a str"),
    (("PT", P, T, "H"), {"errors": "ignore"}, ValueError, r"unknown errors='ignore': accepted are raise, nan, codes"),
    (("PT", P, T, "H"), {"threads": -1}, ValueError, r"threads must be 0"),
    (("PT", P, T, "H"), {"threads": 1.5}, TypeError, r"threads must be an int"),
    (("P\0T", P, T, "H"), {}, ValueError, r"NUL"),
    (("PT", P, T, "H\0S"), {}, ValueError, r"NUL"),
    ((None, P, T, "H"), {}, TypeError, r"pair must be a str"),
    (("PT", P, T, None), {}, TypeError, r"props must be a str or a sequence"),
    (("PT", P, T, [1, 2]), {}, TypeError, r"each property name must be a str"),
    (("PT", P, T[:2], "H"), {}, ValueError, r"input shapes \(3,\) and \(2,\) do not broadcast"),
    (("PT", np.ones((2, 3)), np.ones((3, 2)), "H"), {}, ValueError, r"do not broadcast"),
    (("PT", "10", 300, "H"), {}, TypeError, r"a: expected real numbers"),
    (("PT", 10, ["300", "400"], "H"), {}, TypeError, r"b: expected real numbers"),
    (("PT", None, 300, "H"), {}, TypeError, r"a: expected real numbers"),
    (("PT", 10 + 1j, 300, "H"), {}, TypeError, r"a: expected real numbers"),
    (("PT", True, 300, "H"), {}, TypeError, r"a: expected real numbers"),
    (("PT", [1, None], 300, "H"), {}, TypeError, r"a: expected real numbers"),
    (("PT", [[1, 2], [3]], 300, "H"), {}, TypeError, r"a: not an array of numbers"),
    (("PT", {"p": 1}, 300, "H"), {}, TypeError, r"a: expected real numbers"),
]


@pytest.mark.parametrize("args,kwargs,error,pattern", CASES)
def test_bad_input_is_refused_with_its_word(args, kwargs, error, pattern):
    with pytest.raises(error, match=pattern):
        vaprop.props(*args, **kwargs)


def test_unknown_names_in_the_other_calls():
    with pytest.raises(ValueError, match="unknown unit set 'XYZ'"):
        vaprop.units("XYZ")


def test_unusual_arrays_are_computed_not_crashed():
    h = vaprop.props("PT", P, T, "H")
    # Big-endian, strided, read-only, float32 and integer arrays give the same numbers.
    big = P.astype(">f8")
    strided = np.repeat(P, 2)[::2]
    readonly = P.copy()
    readonly.flags.writeable = False
    for a in (big, strided, readonly, list(P)):
        np.testing.assert_array_equal(vaprop.props("PT", a, T, "H"), h)
    integers = vaprop.props("PT", np.array([1, 10, 100]), np.array([100, 300, 500], dtype=np.int16), "H")
    np.testing.assert_array_equal(integers, h)
    np.testing.assert_array_equal(vaprop.props("PT", P.astype(np.float32), T, "H"),
                                  vaprop.props("PT", P.astype(np.float32).astype(float), T, "H"))
    # Empty and zero-dimensional arrays.
    assert vaprop.props("PT", np.array([]), 300, "H").shape == (0,)
    assert vaprop.props("PT", np.empty((0, 4)), np.empty((3, 1, 1)), "H,S")["S"].shape == (3, 0, 4)
    zero_d = vaprop.props("PT", np.array(10.0), np.array(300.0), "H")
    assert zero_d.shape == () and zero_d == vaprop.props("PT", 10.0, 300.0, "H")
    # Subnormal, huge and negative numbers are states that fail, with their codes; so is an integer
    # beyond the doubles' range.
    extremes = np.array([5e-324, 1e308, -1e308, -0.0, 0.0])
    codes = vaprop.props("PT", extremes, 300, "H", errors="codes")[1]
    assert (codes < 0).all()
    assert vaprop.props("PT", 10**400, 300, "H", errors="codes")[1] == -1200
    assert vaprop.props("PT", -10**400, 300, "H", errors="codes")[1] == -1300
