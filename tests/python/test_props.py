"""props() against the library's single exports, bit for bit: scalars and arrays, every unit set,
IFC-67 and fast mode, states inside and outside the ranges (codes compared as codes)."""

import itertools

import numpy as np
import pytest

import vaprop
from conftest import assert_same_bits, export

# Per pair: the properties that have a single export Stm<pair><prop>, and the ranges the two inputs
# are drawn from (numbers in SI units, used as they are in every set: wide enough that many states
# fail in each set, with their codes).
PAIRS = {
    "PT": ("HSVCWGKMR", (-1.0, 1200.0), (-20.0, 2100.0)),
    "PQ": ("HSVCWGKM", (-1.0, 260.0), (-0.1, 1.1)),
    "TQ": ("HSVCWGKM", (-20.0, 400.0), (-0.1, 1.1)),
    "PH": ("TQSVCWG", (-1.0, 1200.0), (-100.0, 4500.0)),
    "PS": ("TQHVCWG", (-1.0, 1200.0), (-0.5, 12.0)),
}
# (set name, ifc67, fast): every set, and the two flags on two of them.
WORDS = [(name, False, False) for name in vaprop.UNIT_SETS] + [
    ("SI", True, False), ("Eng", True, False), ("SI", False, True), ("SIF", True, True)]
STATES = 48


def word_of(units, ifc67, fast):
    return vaprop.UNIT_SETS.index(units) + 8 * ifc67 + 16 * fast


def inputs(rng, pair):
    _, (a0, a1), (b0, b1) = PAIRS[pair]
    a = rng.uniform(a0, a1, STATES)
    b = rng.uniform(b0, b1, STATES)
    # Quality exactly 0 and 1, where the transport properties and heat capacity exist.
    if pair in ("PQ", "TQ"):
        b[::3] = np.round(b[::3])
    return a, b


def expected_cells(pair, prop, a, b, word):
    f = export(f"Stm{pair}{prop}")
    return np.array([f(x, y, word) for x, y in zip(a, b)])


@pytest.mark.parametrize("pair", PAIRS)
@pytest.mark.parametrize("units,ifc67,fast", WORDS)
def test_arrays_and_scalars_equal_the_exports(rng, pair, units, ifc67, fast):
    a, b = inputs(rng, pair)
    word = word_of(units, ifc67, fast)
    for prop in PAIRS[pair][0]:
        expected = expected_cells(pair, prop, a, b, word)
        failed = expected <= -1000
        values, codes = vaprop.props(pair, a, b, prop, units=units, ifc67=ifc67, fast=fast, errors="codes")
        assert_same_bits(values[~failed], expected[~failed])
        assert np.isnan(values[failed]).all()
        assert (codes[failed] == expected[failed]).all() and (codes[~failed] == 0).all()
        # Scalars go through the single-state call: the same bits, the same codes.
        for i in range(0, STATES, 7):
            value, code = vaprop.props(pair, a[i], b[i], prop, units=units, ifc67=ifc67, fast=fast,
                                       errors="codes")
            if failed[i]:
                assert np.isnan(value) and code == expected[i]
            else:
                assert_same_bits(value, expected[i])
                assert code == 0


@pytest.mark.parametrize("pair", PAIRS)
def test_several_properties_in_one_call(rng, pair):
    a, b = inputs(rng, pair)
    names = PAIRS[pair][0]
    together = vaprop.props(pair, a, b, ",".join(names), units="SI")
    as_list = vaprop.props(pair, a, b, list(names), units="SI")
    assert list(together) == list(names) == list(as_list)
    for prop in names:
        alone = vaprop.props(pair, a, b, prop, units="SI")
        assert_same_bits(together[prop], alone)
        assert_same_bits(as_list[prop], alone)
    # One state, several names: a dict of floats with the same bits.
    i = int(np.flatnonzero(~np.isnan(together[names[0]]))[0])
    scalar = vaprop.props(pair, float(a[i]), float(b[i]), list(names), units="SI", errors="nan")
    assert list(scalar) == list(names)
    for prop in names:
        assert isinstance(scalar[prop], float)
        assert_same_bits(scalar[prop], together[prop][i])


# Combinations with no single export: the batch cells against the single-state call by names.
OTHER = [("PH", "K,M,PR,R", (1.0, 300.0), (50.0, 3900.0)), ("PS", "K,M,PR", (1.0, 300.0), (0.2, 9.0)),
         ("PQ", "T,PR,R", (0.5, 230.0), (0.0, 1.0)), ("TQ", "P,PR", (1.0, 380.0), (0.0, 1.0)),
         ("PT", "PR,Q", (0.5, 300.0), (1.0, 900.0))]


@pytest.mark.parametrize("pair,names,a_range,b_range", OTHER)
def test_other_combinations_equal_the_single_state_call(rng, pair, names, a_range, b_range):
    a, b = rng.uniform(*a_range, STATES), rng.uniform(*b_range, STATES)
    if pair in ("PQ", "TQ"):
        b[::2] = np.round(b[::2])   # saturated liquid and vapour, where PR is defined
    values, codes = vaprop.props(pair, a, b, names, units="SI", errors="codes")
    prop = export_by_name()
    for name in names.split(","):
        expected = np.array([prop(pair.encode(), x, y, name.encode(), 1) for x, y in zip(a, b)])
        failed = expected <= -1000
        assert (codes[name] == np.where(failed, expected, 0)).all()
        assert_same_bits(values[name][~failed], expected[~failed])
        assert (~failed).sum() > STATES // 3


def export_by_name():
    from vaprop import _library
    return _library.StmProp


def test_pair_in_the_other_order_swaps_the_inputs(rng):
    p, T = rng.uniform(1, 200, STATES), rng.uniform(10, 700, STATES)
    assert_same_bits(vaprop.props("TP", T, p, "H"), vaprop.props("PT", p, T, "H"))
    assert_same_bits(vaprop.props("tp", 500, 10, "S"), vaprop.props("PT", 10, 500, "S"))


def test_scalar_types():
    expected = export("StmPTH")(10.0, 500.0, 1)
    for a, b in [(10, 500), (10.0, 500.0), (np.float32(10), np.int64(500)), (np.float64(10), 500)]:
        value = vaprop.props("PT", a, b, "H")
        assert type(value) is float
        assert_same_bits(value, expected)


def test_input_pair_and_names_in_any_case():
    expected = export("StmPTH")(10.0, 500.0, 1)
    assert_same_bits(vaprop.props(" pt", 10, 500, "h "), expected)
    assert_same_bits(vaprop.props("PT", 10, 500, "h, s")["H"], expected)


def test_threads_do_not_change_a_bit(rng):
    a, b = inputs(rng, "PH")
    a, b = np.tile(a, 500), np.tile(b, 500)
    one = vaprop.props("PH", a, b, "T,S", threads=1)
    for threads in (None, 0, 2, 7):
        many = vaprop.props("PH", a, b, "T,S", threads=threads)
        assert_same_bits(many["T"], one["T"])
        assert_same_bits(many["S"], one["S"])


def test_failed_state_raises_state_error_with_code_and_text():
    with pytest.raises(vaprop.StateError) as scalar:
        vaprop.props("PT", 10, -50, "H")
    assert (scalar.value.code, scalar.value.text) == (-1100, "temperature too low")
    assert scalar.value.prop == "H" and scalar.value.index is None
    assert isinstance(scalar.value, ValueError)

    with pytest.raises(vaprop.StateError) as array:
        vaprop.props("PT", [[10, 10], [10, 2000]], 300, "S,H", errors="raise")
    assert (array.value.code, array.value.text, array.value.index) == (-1200, "pressure too high", (1, 1))
    assert array.value.prop == "S"


def test_error_modes():
    p = np.array([10.0, 10.0, 2000.0])
    T = np.array([300.0, -50.0, 300.0])
    h = export("StmPTH")
    nan = vaprop.props("PT", p, T, "H")
    assert np.isnan(nan[1:]).all()
    assert_same_bits(nan[0], h(10.0, 300.0, 1))
    values, codes = vaprop.props("PT", p, T, "H", errors="codes")
    assert_same_bits(values, nan)
    assert codes.dtype == np.int32 and codes.tolist() == [0, -1100, -1200]
    assert np.isnan(vaprop.props("PT", 10, -50, "H", errors="nan"))
    values, codes = vaprop.props("PT", 10, -50, "H,S", errors="codes")
    assert np.isnan(values["H"]) and np.isnan(values["S"]) and codes == {"H": -1100, "S": -1100}
    # No failed state: codes all 0.
    assert vaprop.props("PT", p[:1], T[:1], "H", errors="codes")[1].tolist() == [0]


@pytest.mark.parametrize("value,code", [(np.nan, -1300), (np.inf, -1200), (-np.inf, -1300)])
def test_nan_and_infinite_inputs_fail_like_any_state(value, code):
    assert vaprop.props("PT", [value, 10.0], 300.0, "H", errors="codes")[1].tolist() == [code, 0]
    assert vaprop.props("PT", value, 300.0, "H", errors="codes")[1] == code
    assert vaprop.props("PT", 10.0, [300.0, value], "H", errors="codes")[1][1] == \
        export("StmPTH")(10.0, value, 1)


def test_unit_texts():
    si, eng = vaprop.units("SI"), vaprop.units("eng")
    assert (si["P"], si["T"], si["H"], si["S"], si["V"], si["M"], si["K"]) == (
        "bar", "°C", "kJ/kg", "kJ/(kg K)", "m3/kg", "mPa s", "W/(m K)")
    assert (eng["P"], eng["T"], eng["H"], eng["W"]) == ("psia", "°F", "Btu/lb", "ft/s")
    assert vaprop.units("EngG")["P"] == "psig" and vaprop.units("METF")["K"] == "kcal/(h m °C)"
    assert si["Q"] == si["G"] == si["R"] == ""
    assert set(si) == set(vaprop.properties())


# Unit texts held against the library's numbers for the quantities with no single export.
SURFACE_TENSION_PER_N_PER_M = {"N/m": 1.0, "mN/m": 1000.0, "lbf/ft": 0.3048 / 4.4482216152605}


BOILING_POINT = {"K": 373.15, "°C": 100.0, "°F": 212.0}


def test_density_and_surface_tension_units_match_the_library():
    if not {"D", "SIGMA"} <= set(vaprop.properties()):
        pytest.skip("this library has no density or surface tension")
    sif = vaprop.props("TQ", 373.15, 0.0, "SIGMA", units="SIF")
    for units in vaprop.UNIT_SETS:
        text = vaprop.units(units)
        r = vaprop.props("TQ", BOILING_POINT[text["T"]], 0.0, "D,V,SIGMA", units=units)
        assert text["D"] == {"ft3/lb": "lb/ft3", "m3/kg": "kg/m3"}[text["V"]]
        assert r["D"] * r["V"] == pytest.approx(1.0, rel=1e-14)
        assert r["SIGMA"] / sif == pytest.approx(SURFACE_TENSION_PER_N_PER_M[text["SIGMA"]], rel=1e-9)


@pytest.mark.parametrize("text,word", [
    ("SI", 1), ("si", 1), (" Eng", 0), ("EngG", 2), ("SIF", 3), ("sik", 4), ("MET", 5), ("METF", 6),
    ("SIo", 9), ("EngGS", 18), ("metfos", 30), ("SIS", 17), ("SIFO", 11)])
def test_unit_set_names_as_the_add_in_spells_them(text, word):
    from vaprop import _names
    assert _names.unit_set_word(text) == word
    # The word reaches the library: the same bits as the export called with it.
    assert_same_bits(vaprop.props("PT", 100, 500, "H", units=text, errors="nan"),
                     export("StmPTH")(100.0, 500.0, word))


def test_flags_add_to_the_set():
    h = export("StmPHT")
    for units, ifc67, fast in itertools.product(("SI", "Eng"), (False, True), (False, True)):
        word = word_of(units, ifc67, fast)
        assert_same_bits(vaprop.props("PH", 20, 1500, "T", units=units, ifc67=ifc67, fast=fast, errors="nan"),
                         h(20.0, 1500.0, word))
