"""vaprop: properties of water and steam (IAPWS-IF97, or the 1967 IFC formulation on request) from
the property library libvaprop32, for single states and for numpy arrays of states.

    >>> import vaprop
    >>> vaprop.props("PT", 10, 500, "H")             # 10 bar, 500 °C: enthalpy in kJ/kg
    >>> vaprop.props("PT", p_array, T_array, "H,S")  # dict of arrays, NaN where a state failed
    >>> vaprop.units("SI")["H"]                      # 'kJ/kg'

Charts (needs matplotlib): vaprop.chart.ts(), vaprop.chart.hs().
"""

from . import _library, _names
from ._errors import StateError, error_text
from ._props import props

__all__ = ["props", "units", "StateError", "error_text", "UNIT_SETS", "pairs", "properties"]

UNIT_SETS = _names.UNIT_SETS


def pairs():
    """The input pairs the library accepts, as a tuple of names ("PT", "PH", ...)."""
    return _library.accepted_pairs()


def properties():
    """The property names the library accepts, as a tuple ("P", "T", "H", ...)."""
    return _library.accepted_properties()


def units(units="SI"):
    """Property name -> unit text of its results in a unit set ("SI": {"P": "bar", "T": "°C", ...});
    dimensionless results (quality, expansion coefficient, Prandtl number, region) have the text ""."""
    word = _names.unit_set_word(units)
    return _names.unit_texts(word, _library.accepted_properties())
