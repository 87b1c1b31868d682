"""Charts on the Agg backend: the dome's plotted points are the library's saturation values, the
critical point ends it, isobars are the library's (p,s) values, labels and marks are drawn, and the
command line writes a picture."""

import os
import subprocess
import sys

import matplotlib

matplotlib.use("Agg")
import numpy as np  # noqa: E402
import pytest  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402

import vaprop  # noqa: E402
import vaprop.chart  # noqa: E402
from conftest import assert_same_bits, export  # noqa: E402
from vaprop import _tables  # noqa: E402


def line(ax, gid):
    found = [artist for artist in ax.get_lines() if artist.get_gid() == gid]
    assert len(found) == 1, f"one line {gid!r} expected, found {len(found)}"
    return np.asarray(found[0].get_xdata(), dtype=float), np.asarray(found[0].get_ydata(), dtype=float)


def texts(ax):
    return [t.get_text() for t in ax.texts]


def dome_halves(x, y):
    """(n, liquid x, liquid y, vapour x, vapour y): liquid upward, then vapour downward."""
    n = len(x) // 2
    assert len(x) == 2 * n
    return n, x[:n], y[:n], x[n:][::-1], y[n:][::-1]


def each(name, values, second, word):
    f = export(name)
    return np.array([f(v, second, word) for v in values])


@pytest.mark.parametrize("units", ["SI", "Eng", "SIF"])
def test_ts_dome_is_the_saturation_line(units):
    word = vaprop.UNIT_SETS.index(units)
    ax = vaprop.chart.ts(units=units, ax=Figure().add_subplot())
    n, s_liquid, T, s_vapour, T_vapour = dome_halves(*line(ax, "saturation"))
    assert_same_bits(T_vapour, T)
    assert_same_bits(s_liquid, each("StmTQS", T, 0.0, word))
    assert_same_bits(s_vapour, each("StmTQS", T, 1.0, word))
    assert_same_bits(T, vaprop.chart.saturation_temperatures(units))
    assert T[0] == _tables.LOWEST_T[word] and T[-1] == _tables.CRITICAL_T[word]
    assert np.all(np.diff(T) > 0)
    # The critical point: the dome's top, where liquid and vapour meet, the last saturable temperature.
    x, y = line(ax, "critical point")
    assert (x[0], y[0]) == (s_liquid[-1], T[-1])
    assert_same_bits(s_liquid[-1], s_vapour[-1])
    assert export("StmTP")(np.nextafter(T[-1], np.inf), word) == -1900
    unit = vaprop.units(units)
    assert ax.get_ylabel() == f"T [{unit['T']}]" and ax.get_xlabel() == f"s [{unit['S']}]"


def test_ts_isobars_are_the_library_values_and_labelled():
    ax = vaprop.chart.ts(units="SI", ax=Figure().add_subplot(), isobars=(1, 10, 100))
    for p in (1, 10, 100):
        s, T = line(ax, f"isobar {p}")
        finite = np.isfinite(T)
        assert finite.sum() > 100
        assert_same_bits(T[finite], np.array([export("StmPST")(p, x, 1) for x in s[finite]]))
        assert f"{p} bar" in texts(ax)


def test_hs_dome_isobars_quality_lines_isotherms_and_marks():
    word = 0
    fig = Figure()
    given = fig.add_subplot()
    expansion = [(1.52, 1460.0), (1.60, 1250.0), (1.70, 1060.0)]
    ax = vaprop.chart.hs(units="Eng", ax=given, isobars=(20, 200), isotherms=(600,), qualities=(0.9,),
                         points={"inlet": expansion[0], "exhaust": expansion[-1]}, path=expansion)
    assert ax is given
    x, y = line(ax, "saturation")
    n = len(x) // 2
    T = vaprop.chart.saturation_temperatures("Eng")
    assert len(T) == n
    assert_same_bits(x, np.concatenate([each("StmTQS", T, 0.0, word), each("StmTQS", T[::-1], 1.0, word)]))
    assert_same_bits(y, np.concatenate([each("StmTQH", T, 0.0, word), each("StmTQH", T[::-1], 1.0, word)]))
    cx, cy = line(ax, "critical point")
    assert (cx[0], cy[0]) == (x[n - 1], y[n - 1])
    s20, h20 = line(ax, "isobar 20")
    finite = np.isfinite(h20)
    assert finite.sum() > 100
    assert_same_bits(h20[finite], np.array([export("StmPSH")(20.0, s, word) for s in s20[finite]]))
    sq, hq = line(ax, "quality 0.9")
    assert_same_bits(sq, each("StmTQS", T, 0.9, word))
    assert_same_bits(hq, each("StmTQH", T, 0.9, word))
    s600, h600 = line(ax, "isotherm 600")
    assert np.isfinite(h600).sum() > 50
    assert {"20 psia", "200 psia", "x=0.9", "600 °F", "inlet", "exhaust"} <= set(texts(ax))
    x, y = line(ax, "path")
    assert list(zip(x, y)) == expansion
    x, y = line(ax, "points")
    assert list(zip(x, y)) == [expansion[0], expansion[-1]]
    assert ax.get_ylabel() == "h [Btu/lb]"


def test_chart_in_a_unit_set_name_that_is_unknown():
    with pytest.raises(ValueError, match="unknown unit set"):
        vaprop.chart.hs(units="Imperial", ax=Figure().add_subplot())


@pytest.mark.parametrize("kind,units", [("hs", "SI"), ("ts", "Eng")])
def test_command_line_writes_a_png(tmp_path, kind, units):
    out = tmp_path / f"{kind}.png"
    subprocess.run([sys.executable, "-m", "vaprop.chart", kind, str(out), "--units", units, "--size", "6x4"],
                   check=True, env=os.environ)
    data = out.read_bytes()
    assert data[:8] == b"\x89PNG\r\n\x1a\n" and len(data) > 10000


def test_command_line_refuses_a_bad_unit_set(tmp_path):
    run = subprocess.run([sys.executable, "-m", "vaprop.chart", "hs", str(tmp_path / "x.png"), "--units", "XX"],
                         capture_output=True, text=True)
    assert run.returncode == 2 and "unknown unit set 'XX'" in run.stderr
    assert not (tmp_path / "x.png").exists()
