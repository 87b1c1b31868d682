// The two numberings of the status codes; this file runs in both test
// executables, once per numbering.
#include <gtest/gtest.h>

#include "if97_state.h"
#include "if97_transport.h"
#include "status.h"

namespace if97 {
namespace {

struct CodeRow {
    int code;      // the constant of this build
    int library;   // library numbering
    int shortNum;  // short numbering
};

TEST(StatusCodes, FollowTheNumberingOfTheBuild) {
    const CodeRow rows[] = {
        {status::TemperatureHigh, -1000, -1},
        {status::TemperatureLow, -1100, -2},
        {status::PressureHigh, -1200, -3},
        {status::PressureLow, -1300, -4},
        {status::InputOutOfRange, -1500, -15},
        {status::Region3Convergence, -1600, -16},
        {status::QualityRange, -1700, -17},
        {status::AboveCriticalPressure, -1800, -18},
        {status::AboveCriticalTemperature, -1900, -19},
        {status::NotDefined, -2000, -20},
        {status::EnthalpyLow, -2100, -21},
        {status::EnthalpyHigh, -2200, -22},
        {status::EntropyLow, -2300, -23},
        {status::EntropyHigh, -2400, -24},
        {status::IterationConvergence, -2500, -25},
        {status::AmbiguousState, -2600, -26},
        {status::NotInIFC67, -2700, -2700},  // no short form: the library value in either numbering
        {status::InvalidUnitSet, -1099, -1099},
        {status::NullPointer, -3400, -3400},
        {status::WarningBoundary, -5000, -50},
        {status::TransportRange, -5100, -51},
    };
    for (const CodeRow& r : rows) EXPECT_EQ(r.code, kShortNumbering ? r.shortNum : r.library);
    EXPECT_EQ(kNotDefined, kShortNumbering ? -20.0 : -2000.0);
}

TEST(StatusCodes, ErrorsAndWarnings) {
    const int lastError = kShortNumbering ? -49 : -4999;
    EXPECT_TRUE(isErrorStatus(lastError));
    EXPECT_FALSE(isErrorStatus(lastError - 1));
    EXPECT_FALSE(isErrorStatus(status::TransportRange));
    EXPECT_FALSE(isErrorStatus(0));
    EXPECT_TRUE(isErrorStatus(status::TemperatureHigh));
}

TEST(StatusCodes, StateReportsTheBuildsCode) {
    IF97State state;
    state.computePT(0.0, 300.0, kMaskH);
    EXPECT_EQ(state.status(), kShortNumbering ? -4 : -1300);
    EXPECT_EQ(state.enthalpy(), kShortNumbering ? -4.0 : -1300.0);
    state.computePX(30.0, 0.5, kMaskH);
    EXPECT_EQ(state.enthalpy(), kShortNumbering ? -18.0 : -1800.0);
    IF97Transport transport;
    transport.computeViscosity(10.1, 1073.2, 0.03);
    EXPECT_EQ(transport.viscosity(), kShortNumbering ? -51.0 : -5100.0);
}

}  // namespace
}  // namespace if97
