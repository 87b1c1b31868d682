"""Names a caller passes: input pairs, property letters and unit-set names, with their checks.

The lists of pairs and properties here are the words this package knows how to describe; which of
them the installed library computes is asked of the library itself (see _library.accepted_names), so
a name the library adds is taken as soon as it appears in these lists.
"""

import functools

# Input pairs, first input then second.
PAIRS = ("PT", "PH", "PS", "PQ", "TQ", "HS", "TS", "PV", "TV")

# Property name -> quantity (the unit family of its value).
PROPERTIES = {
    "P": "pressure",
    "T": "temperature",
    "Q": "dimensionless",        # quality, vapour mass fraction 0..1
    "H": "enthalpy",
    "S": "entropy",
    "V": "volume",
    "C": "specific_heat",        # isobaric
    "W": "sound_speed",
    "G": "dimensionless",        # isentropic expansion coefficient w^2/(p v)
    "K": "conductivity",
    "M": "viscosity",
    "PR": "dimensionless",       # Prandtl number
    "R": "dimensionless",        # IF97 region
    "U": "enthalpy",             # internal energy
    "D": "density",
    "CV": "specific_heat",       # isochoric
    "SIGMA": "surface_tension",
    "M08": "viscosity",          # IAPWS 2008 viscosity
    "K11": "conductivity",       # IAPWS 2011 thermal conductivity
}

# Unit-set names in the order of their index (UnitSet & 7), spelt as the spreadsheet add-in writes
# them; matching ignores case.
UNIT_SETS = ("Eng", "SI", "EngG", "SIF", "SIK", "MET", "METF")
IFC67_BIT = 8
FAST_BIT = 16

# Unit texts per quantity, indexed by set: Eng, SI, EngG, SIF, SIK, MET, METF.
UNIT_TEXTS = {
    "pressure": ("psia", "bar", "psig", "MPa", "kPa", "bar", "kgf/cm2"),
    "temperature": ("°F", "°C", "°F", "K", "°C", "°C", "°C"),
    "dimensionless": ("", "", "", "", "", "", ""),
    "enthalpy": ("Btu/lb", "kJ/kg", "Btu/lb", "kJ/kg", "kJ/kg", "kcal/kg", "kcal/kg"),
    "entropy": ("Btu/(lb °F)", "kJ/(kg K)", "Btu/(lb °F)", "kJ/(kg K)", "kJ/(kg K)", "kcal/(kg K)",
                "kcal/(kg K)"),
    "volume": ("ft3/lb", "m3/kg", "ft3/lb", "m3/kg", "m3/kg", "m3/kg", "m3/kg"),
    "density": ("lb/ft3", "kg/m3", "lb/ft3", "kg/m3", "kg/m3", "kg/m3", "kg/m3"),
    "specific_heat": ("Btu/(lb °F)", "kJ/(kg K)", "Btu/(lb °F)", "kJ/(kg K)", "kJ/(kg K)", "kcal/(kg K)",
                      "kcal/(kg K)"),
    "sound_speed": ("ft/s", "m/s", "ft/s", "m/s", "m/s", "m/s", "m/s"),
    "viscosity": ("lb/(ft h)", "mPa s", "lb/(ft h)", "Pa s", "mPa s", "mPa s", "Pa s"),
    "conductivity": ("Btu/(h ft °F)", "W/(m K)", "Btu/(h ft °F)", "W/(m K)", "W/(m K)", "W/(m K)",
                     "kcal/(h m °C)"),
    "surface_tension": ("lbf/ft", "mN/m", "lbf/ft", "N/m", "mN/m", "mN/m", "N/m"),
}


def _require_text(what, value):
    if not isinstance(value, str):
        raise TypeError(f"{what} must be a str, not {type(value).__name__}")


def unit_set_word(units, ifc67=False, fast=False):
    """The UnitSet word for a unit-set name ("SI", "Eng", "sif", ...) and the two flags.

    After the name, the add-in's flag letters are accepted too: "O" for the 1967 equations and "S" for
    fast mode ("SIo", "EngS"); they add to ifc67= and fast=. Anything else is a ValueError.
    """
    _require_text("units", units)
    return _unit_set_word(units, bool(ifc67), bool(fast))


@functools.lru_cache(maxsize=256)
def _unit_set_word(units, ifc67, fast):
    text = units.strip().upper()
    # Longest names first, so METF wins over MET, SIF and SIK over SI, ENGG over ENG.
    for index in sorted(range(len(UNIT_SETS)), key=lambda i: -len(UNIT_SETS[i])):
        name = UNIT_SETS[index].upper()
        flags = text[len(name):]
        if text.startswith(name) and set(flags) <= {"O", "S"}:
            word = index
            if ifc67 or "O" in flags:
                word |= IFC67_BIT
            if fast or "S" in flags:
                word |= FAST_BIT
            return word
    raise ValueError(f"unknown unit set {units!r}: accepted are {', '.join(UNIT_SETS)} "
                     f"(any case), optionally followed by O (IFC-67) and S (fast)")


def split_properties(props):
    """A property name, a comma-separated string of names or a sequence of names, as a tuple of
    upper-case names (not yet checked)."""
    if isinstance(props, str):
        names = props.split(",")
    else:
        try:
            names = list(props)
        except TypeError:
            raise TypeError(f"props must be a str or a sequence of str, not {type(props).__name__}") from None
        for name in names:
            _require_text("each property name", name)
    names = tuple(name.strip().upper() for name in names)
    if not names or any(not name for name in names):
        raise ValueError(f"empty property name in {props!r}")
    return names


def unit_texts(word, names):
    """Name -> unit text in the set of the UnitSet word, for the given property names; None for a
    quantity whose units this table does not hold."""
    index = word & 7
    return {name: UNIT_TEXTS[PROPERTIES[name]][index] if PROPERTIES[name] in UNIT_TEXTS else None
            for name in names}
