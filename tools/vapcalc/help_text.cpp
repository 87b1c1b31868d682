// The text of vapcalc --help.
#include "command_line.h"

namespace vapcalc {

std::string_view helpText() noexcept {
    return R"(vapcalc - properties of water and steam (IAPWS-IF97, or the 1967 IFC formulation)

Usage:
  vapcalc [NAME=VALUE NAME=VALUE] [--units SET] [--ifc67] [--fast]
          [--format table|csv|json] [--digits N] [--props LIST]
  vapcalc --batch --pair XY [--units SET] [--ifc67] [--fast] [--props LIST]
          [--digits N] [--threads N] [FILE|-]
  vapcalc --help | --version

One state point
  Give two inputs, in any order, as one of the pairs P,T  P,Q  T,Q  P,H  P,S  H,S  T,S
  P,V  T,V:
    P pressure   T temperature   Q quality (0 to 1)   H enthalpy   S entropy
    V specific volume
  The pairs H,S  T,S  P,V  T,V find the state in every region, wet steam included (IF97
  only: with --ifc67 "not available in the 1967 formulation"). Liquid water near its
  density maximum (4 °C at low pressure) has two states for some T,S and P,V inputs
  between 0 °C and about 8 °C (one of them may be wet steam of very small quality):
  "ambiguous state".
  vapcalc prints pressure, temperature, quality, enthalpy, entropy, specific volume,
  isobaric heat capacity, speed of sound (for wet steam: the critical flow velocity),
  isentropic expansion coefficient, dynamic viscosity, thermal conductivity, Prandtl
  number and IF97 region, each with its unit in the chosen set. A property that is not
  defined for the state (the quality of a (P,T) state, the heat capacity of wet steam,
  transport properties of wet steam, the IF97 region under --ifc67) prints
  "not available". Without inputs vapcalc computes its built-in state point P=10 T=500
  (10 bar and 500 °C in the default unit set SI). A command line handed over as one
  word with blanks ("P=10 T=500 --units SI" in quotes) is read as its words.

Options
  --units SET    unit set, by name or number (default SI); units of P, T, H, S and C,
                 V, W, M, K:
                   Eng   psia, °F, Btu/lb, Btu/(lb °F), ft3/lb, ft/s, lb/(ft h), Btu/(h ft °F)
                   SI    bar, °C, kJ/kg, kJ/(kg K), m3/kg, m/s, mPa s, W/(m K)
                   EngG  as Eng with pressure in psig (gauge: 0 psig is 1 atm)
                   SIF   MPa, K, kJ/kg, kJ/(kg K), m3/kg, m/s, Pa s, W/(m K)
                   SIK   as SI with pressure in kPa
                   MET   bar, °C, kcal/kg, kcal/(kg K), m3/kg, m/s, mPa s, W/(m K)
                   METF  kgf/cm2, °C, kcal/kg, kcal/(kg K), m3/kg, m/s, Pa s, kcal/(h m °C)
                 Names ignore case; an "o" after the name selects the 1967 equations and an
                 "S" fast mode (SIo, EngS, METFoS). A number is the library's UnitSet word:
                 0 to 6 the sets in this order, +8 IFC-67, +16 fast.
  --ifc67        compute with the 1967 IFC formulation (UnitSet bit 8); speed of sound and
                 expansion coefficient always come from IF97
  --fast         (P,H) and (P,S): take the IF97 backward temperature without refinement
                 (UnitSet bit 16)
  --format F     one point as a table (default), as CSV (property,value,unit) or as JSON
  --digits N     N significant digits (1 to 17); by default every number is printed with
                 the fewest digits that read back as exactly the same double
  --props LIST   properties to report, comma-separated letters, or "all":
                   P T Q H S V C (heat capacity) W (speed of sound) G (expansion
                   coefficient) M (viscosity) K (conductivity) Pr (Prandtl number)
                   R (IF97 region)
                   U  internal energy, unit of H
                   D  density: lb/ft3 in Eng and EngG, kg/m3 in the others
                   CV isochoric heat capacity, unit of C
                   SIGMA surface tension at the state's temperature (273.16 K to
                      647.096 K): lbf/ft in Eng and EngG, N/m in SIF and METF, mN/m
                      in SI, SIK and MET
                   M08 viscosity by IAPWS 2008, unit of M (to 1173.15 K)
                   K11 thermal conductivity by IAPWS 2011, unit of K (to 1173.15 K)
                 default: P to R for one point; for --batch the properties among
                 P,T,Q,H,S,V that are not inputs (no Q for P,T); U, D and the other
                 new letters are IF97's (U and D also with --ifc67)

Batch mode
  --batch        read one state per line from FILE (or standard input for - or no FILE)
  --pair XY      the two columns of the file, e.g. PT, PH, HP (columns H then P), HS or TV
  --threads N    compute on N threads (default 0: one per processor); the output is the
                 same for every N
  A line holds two numbers separated by a comma or blanks; "#" starts a comment; blank
  lines are skipped; a first line that does not start with a number is a header. Lines
  longer than 4096 characters are refused. vapcalc writes CSV to standard output: a
  header, then one row per state in input order with the two inputs and the chosen
  properties. A state that fails has its error text in its cells; a malformed line has
  "malformed line" in its cells and is reported on standard error with its line number;
  the run goes on. Standard error gets a progress line when it is a terminal and, at the
  end, the number of states and how many failed.

Exit status
  0  all results computed
  1  the state (or, in batch mode, at least one state or line) failed; the error text
     of the library goes to standard error
  2  the command line cannot be used
  3  the batch input cannot be read or the output cannot be written

Examples
  vapcalc P=10 T=500 --units SI              10 bar, 500 °C
  vapcalc T=100 Q=1 --units SI --format json saturated steam at 100 °C
  vapcalc H=1400 P=200 --units Eng           200 psia, 1400 Btu/lb
  vapcalc P=1 T=773.15 --units SIF --digits 8
  vapcalc P=10 T=500 --units SIo             the same state by IFC-67
  vapcalc P=50 S=6.5 --units SI --props T,Q,H
  vapcalc H=2800 S=6.5 --units SI            a turbine stage on the Mollier chart
  vapcalc T=500 V=0.2 --units SI --props P,Q,U,D,CV
  vapcalc P=10 T=300 --props M,M08,K,K11,SIGMA
  vapcalc --batch --pair PH --units SI --props T,Q,S,V states.csv > out.csv
  printf '1 200\n10 300\n' | vapcalc --batch --pair PT --units SI -
)";
}

}  // namespace vapcalc
