// Computation of the form's point in either formulation, without widgets.
//
// The caller passes the eleven values of the form's boxes (internal units) and the input
// selection; the calculator returns the values the boxes take and which boxes take them, in the
// order of the form's Compute command:
//   IF97    one solve of the state layer over the program's own core (short status numbering),
//           every property of the pair at once, transport properties and Prandtl number included;
//   IFC-67  the vaprop67 library in its English units (the boxes' unit 1): inputs are read in
//           unit 1 and every result above -1 is converted back from unit 1; then the state layer's
//           transport step at the boxes' pressure, temperature and volume.
// The program's own presentation stays here: which boxes a pair sets, the not-available marker for
// a Prandtl number that is not positive, the codes of the short numbering and their messages.
#pragma once

#include <array>
#include <cstdint>

#include "input_pair.h"
#include "property_table.h"
#include "steam_state.h"

namespace calvex {

using FormValues = std::array<double, kPropertyCount>;

enum class ComputeOutcome {
    BadPair,  // the selection is not a pair the program computes; nothing changes
    Error,    // status holds the code to report
    Done,
};

struct ComputeReport {
    ComputeOutcome outcome = ComputeOutcome::Done;
    int status = 0;
    // Boxes that take values[i] (their changed markers are cleared with it).
    std::array<bool, kPropertyCount> set{};
    // The two input boxes, which get their display text back (markers cleared, values kept).
    std::array<bool, kPropertyCount> restored{};
    FormValues values{};

    // True when any box changes (an IF97 error changes none; an IFC-67 error shows its codes).
    bool changesBoxes() const noexcept;
};

// Status of an IFC-67 result: its integer part, truncated toward zero. A result that is not a
// number counts as a computing error (-16).
int ifc67Status(double result) noexcept;

// Prandtl number mu * cp / lambda * 1000 (mu Pa s, cp kJ/(kg K), lambda W/(m K)), or the
// not-available marker when cp is not positive or either transport value is a code.
double prandtlNumber(double viscosity, double cp, double conductivity) noexcept;

class PointCalculator {
  public:
    ComputeReport compute(std::uint32_t mask, const FormValues& boxes);

    // The state of the last IF97 computation.
    const steam::State& state() const noexcept { return state_; }

  private:
    ComputeReport computeIF97(InputPair pair, const FormValues& boxes);
    ComputeReport computeIFC67(InputPair pair, const FormValues& boxes);
    // Viscosity, conductivity and Prandtl number from p, T, v and cp of `r.values` (IFC-67).
    void transportStep(InputPair pair, ComputeReport& r);

    steam::State state_;
};

}  // namespace calvex
