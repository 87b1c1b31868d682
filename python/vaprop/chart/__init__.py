"""Steam charts with matplotlib: the temperature-entropy chart ts() and the enthalpy-entropy (Mollier)
chart hs(), in any unit set, computed with vaprop.props.

Each draws the saturation dome (saturated liquid up to the critical point and back down the saturated
vapour line, as one line) with the critical point, labelled isobars, and on the h-s chart lines of
constant quality and isotherms in the superheated region. points= marks states, path= draws a line
through states (an expansion line); both take chart coordinates, (s, T) or (s, h), in the chart's
units, as a sequence of pairs or a dict label -> pair. The artists carry gids ("saturation",
"critical point", "isobar <p>", "isotherm <T>", "quality <x>", "points", "path") for callers that
restyle them.

    python -m vaprop.chart hs out.png [--units SI] [--ifc67]    writes a chart from the command line
"""

import numpy as np

from .. import _names, _tables
from .._props import props

__all__ = ["ts", "hs", "saturation_temperatures"]

# Default lines by the unit of the set (pressure unit, temperature unit).
_ISOBARS = {
    "bar": (0.05, 0.2, 1, 5, 20, 100, 300),
    "kgf/cm2": (0.05, 0.2, 1, 5, 20, 100, 300),
    "MPa": (0.005, 0.02, 0.1, 0.5, 2, 10, 30),
    "kPa": (5, 20, 100, 500, 2000, 10000, 30000),
    "psia": (1, 5, 20, 100, 500, 2000, 5000),
    "psig": (0, 10, 100, 500, 2000, 5000),
}
_ISOTHERMS = {"°C": (100, 200, 300, 400, 500, 600), "K": (400, 500, 600, 700, 800, 900),
              "°F": (200, 400, 600, 800, 1000, 1200)}
_TOP_T = {"°C": 650.0, "K": 920.0, "°F": 1200.0}    # upper limit of the T-s chart
_QUALITIES = (0.7, 0.8, 0.9, 0.95)
_DOME_POINTS = 240
_LINE_POINTS = 400
_BANDS = (0.93, 0.86)   # heights (fractions of the axes) of the isobars' labels, alternating


def _new_axes(ax):
    if ax is not None:
        return ax
    import matplotlib.pyplot as plt
    _, ax = plt.subplots(figsize=(8, 6))
    return ax


def _format(value):
    return f"{value:g}"


def saturation_temperatures(units="SI", points=_DOME_POINTS):
    """The temperatures of the dome's points in a unit set: from the lowest temperature the library
    takes (0 °C) to the critical temperature, denser toward the critical point."""
    index = _names.unit_set_word(units) & 7
    low, high = _tables.LOWEST_T[index], _tables.CRITICAL_T[index]
    T = high - (high - low) * (1.0 - np.linspace(0.0, 1.0, points)) ** 2
    T[0], T[-1] = low, high
    return T


def _saturation(units, ifc67, names):
    """(T, liquid values, vapour values) along the saturation line."""
    T = saturation_temperatures(units)
    liquid = props("TQ", T, 0.0, names, units=units, ifc67=ifc67)
    vapour = props("TQ", T, 1.0, names, units=units, ifc67=ifc67)
    return T, liquid, vapour


def _dome(ax, x_liquid, y_liquid, x_vapour, y_vapour):
    """The dome as one line: liquid upward, vapour downward; the critical point at the top."""
    x = np.concatenate([x_liquid, x_vapour[::-1]])
    y = np.concatenate([y_liquid, y_vapour[::-1]])
    ax.plot(x, y, color="black", linewidth=1.4, gid="saturation", label="saturation")
    ax.plot([x_liquid[-1]], [y_liquid[-1]], "o", color="black", markersize=5, gid="critical point",
            label="critical point")


def _label(ax, x, y, text, color, band=0.9):
    """Writes text at the last point of the line that lies inside the axes' limits and below the
    given fraction of their height (so labels of lines that leave at the top stand apart)."""
    (x0, x1), (y0, y1) = ax.get_xlim(), ax.get_ylim()
    top = y0 + band * (y1 - y0)
    inside = np.isfinite(x) & np.isfinite(y) & (x >= x0) & (x <= x1) & (y >= y0) & (y <= top)
    if inside.any():
        i = np.flatnonzero(inside)[-1]
        ax.annotate(text, (x[i], y[i]), fontsize=7, color=color, ha="right", va="bottom",
                    xytext=(-2, 2), textcoords="offset points")


def _states(ax, points, path):
    if path is not None:
        pairs = list(path.values()) if isinstance(path, dict) else list(path)
        xy = np.asarray(pairs, dtype=float).reshape(-1, 2)
        ax.plot(xy[:, 0], xy[:, 1], "-o", color="tab:red", linewidth=1.6, markersize=4, gid="path")
    if points is not None:
        labelled = isinstance(points, dict)
        pairs = list(points.values()) if labelled else list(points)
        xy = np.asarray(pairs, dtype=float).reshape(-1, 2)
        ax.plot(xy[:, 0], xy[:, 1], "o", color="tab:red", markersize=5, gid="points")
        if labelled:
            for text, (x, y) in zip(points.keys(), xy):
                ax.annotate(str(text), (x, y), fontsize=8, color="tab:red", xytext=(4, 4),
                            textcoords="offset points")


def _axis_labels(ax, units, y_name, y_unit, title):
    s_unit = _names.unit_texts(_names.unit_set_word(units), ("S",))["S"]
    ax.set_xlabel(f"s [{s_unit}]")
    ax.set_ylabel(f"{y_name} [{y_unit}]")
    ax.set_title(title)
    ax.grid(True, linewidth=0.3, alpha=0.6)


def _formulation(ifc67):
    return "IFC-67" if ifc67 else "IAPWS-IF97"


def ts(units="SI", ax=None, isobars=None, points=None, path=None, ifc67=False, t_max=None):
    """Temperature-entropy chart: dome, critical point, labelled isobars (pressures in the set's
    unit; default a set per unit), optional points and path as (s, T). Returns the Axes."""
    texts = _names.unit_texts(_names.unit_set_word(units), ("P", "T"))
    isobars = _ISOBARS[texts["P"]] if isobars is None else isobars
    ax = _new_axes(ax)

    T, liquid, vapour = _saturation(units, ifc67, "S")
    _dome(ax, liquid, T, vapour, T)
    s_low, s_high = np.nanmin(liquid), np.nanmax(vapour)
    x0, x1 = s_low - 0.03 * (s_high - s_low), s_high + 0.05 * (s_high - s_low)
    y0 = T[0]
    y1 = _TOP_T[texts["T"]] if t_max is None else t_max
    ax.set_xlim(x0, x1)
    ax.set_ylim(y0 - 0.02 * (y1 - y0), y1)

    s = np.linspace(s_low, x1, _LINE_POINTS)
    for i, p in enumerate(isobars):
        line = props("PS", p, s, "T", units=units, ifc67=ifc67)
        ax.plot(s, line, color="tab:blue", linewidth=0.7, gid=f"isobar {_format(p)}")
        _label(ax, s, line, f"{_format(p)} {texts['P']}", "tab:blue", band=_BANDS[i % 2])

    _states(ax, points, path)
    _axis_labels(ax, units, "T", texts["T"], f"T-s chart ({_formulation(ifc67)}, {units})")
    return ax


def hs(units="SI", ax=None, isobars=None, isotherms=None, qualities=_QUALITIES, points=None, path=None,
       ifc67=False):
    """Enthalpy-entropy (Mollier) chart: dome, critical point, labelled isobars, lines of constant
    quality in the wet region and isotherms in the superheated region (default sets per unit; pass
    () to leave a family out), optional points and path as (s, h). Returns the Axes."""
    texts = _names.unit_texts(_names.unit_set_word(units), ("P", "T", "H"))
    isobars = _ISOBARS[texts["P"]] if isobars is None else isobars
    isotherms = _ISOTHERMS[texts["T"]] if isotherms is None else isotherms
    ax = _new_axes(ax)

    T, liquid, vapour = _saturation(units, ifc67, "H,S")
    _dome(ax, liquid["S"], liquid["H"], vapour["S"], vapour["H"])
    s_low, s_high = np.nanmin(liquid["S"]), np.nanmax(vapour["S"])
    h_low, h_high = np.nanmin(liquid["H"]), np.nanmax(vapour["H"])
    x0, x1 = s_low - 0.03 * (s_high - s_low), s_high + 0.05 * (s_high - s_low)
    y0, y1 = h_low - 0.03 * (h_high - h_low), h_high + 0.5 * (h_high - h_low)
    ax.set_xlim(x0, x1)
    ax.set_ylim(y0, y1)

    s = np.linspace(s_low, x1, _LINE_POINTS)
    for i, p in enumerate(isobars):
        line = props("PS", p, s, "H", units=units, ifc67=ifc67)
        ax.plot(s, line, color="tab:blue", linewidth=0.7, gid=f"isobar {_format(p)}")
        _label(ax, s, line, f"{_format(p)} {texts['P']}", "tab:blue", band=_BANDS[i % 2])

    for x in qualities:
        line = props("TQ", T, x, "H,S", units=units, ifc67=ifc67)
        ax.plot(line["S"], line["H"], color="tab:green", linewidth=0.6, linestyle="--",
                gid=f"quality {_format(x)}")
        # Labelled at the cold end, where the lines fan out.
        ax.annotate(f"x={_format(x)}", (line["S"][0], line["H"][0]), fontsize=7, color="tab:green",
                    ha="center", va="top", xytext=(0, -2), textcoords="offset points")

    if len(isotherms):
        pressures = [p for p in isobars if p > 0] or [1.0]
        p = np.geomspace(min(pressures) / 4, max(pressures), _LINE_POINTS)
        for t in isotherms:
            # Vapour side only: below the saturation pressure (any pressure above the critical T).
            psat = props("TQ", t, 1.0, "P", units=units, ifc67=ifc67, errors="nan")
            line = props("PT", p, t, "H,S", units=units, ifc67=ifc67)
            keep = ~(p >= psat) if np.isfinite(psat) else np.ones(p.shape, dtype=bool)
            sx, hy = np.where(keep, line["S"], np.nan), np.where(keep, line["H"], np.nan)
            ax.plot(sx, hy, color="tab:orange", linewidth=0.6, gid=f"isotherm {_format(t)}")
            # Labelled in the flat part, at three quarters of the width, above the line.
            where = np.flatnonzero(np.isfinite(sx) & (sx <= x0 + 0.75 * (x1 - x0)) & (hy <= y1))
            if where.size:
                i = where[np.argmax(sx[where])]
                ax.annotate(f"{_format(t)} {texts['T']}", (sx[i], hy[i]), fontsize=7, color="tab:orange",
                            ha="center", va="bottom", xytext=(0, 2), textcoords="offset points")

    _states(ax, points, path)
    _axis_labels(ax, units, "h", texts["H"], f"h-s chart ({_formulation(ifc67)}, {units})")
    return ax
