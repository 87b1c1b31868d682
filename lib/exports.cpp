// The property exports of vaprop32: each export is one line naming its pair of inputs and its
// result; the steps (UnitSet check, input conversions, one solve of the state layer, output
// conversion) are those of state_call.h, shared with the by-name calls. Nothing is kept between calls:
// every export may run on any number of threads at once.
#include "state_call.h"
#include "vaprop32.h"

#include "status.h"

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

using namespace vaprop;
using steam::Pair;
using steam::Property;

static_assert(!if97::kShortNumbering, "vaprop32 uses the library numbering of the core's codes");
static_assert(if97::status::TemperatureHigh == kTemperatureRange.aboveCode);
static_assert(if97::status::TemperatureLow == kTemperatureRange.belowCode);
static_assert(if97::status::PressureHigh == kPressureRange.aboveCode);
static_assert(if97::status::PressureLow == kPressureRange.belowCode);
static_assert(if97::status::QualityRange == kQualityRange.belowCode);
static_assert(if97::status::EnthalpyLow == kEnthalpyRange.belowCode);
static_assert(if97::status::EnthalpyHigh == kEnthalpyRange.aboveCode);
static_assert(if97::status::EntropyLow == kEntropyRange.belowCode);
static_assert(if97::status::EntropyHigh == kEntropyRange.aboveCode);

template <Pair pair, Property prop>
double call(double u1, double u2, std::int32_t word) noexcept {
    return propertyCall(pairName(pair), propertyName(prop), u1, u2, word);
}

}  // namespace

extern "C" {

// The saturation calls: (T, x = 0) for the pressure, (p, x = 0) for the temperature.
double VAPROP_CALL StmTP(double T, int32_t UnitSet) { return call<Pair::TX, Property::P>(T, 0.0, UnitSet); }
double VAPROP_CALL StmPT(double P, int32_t UnitSet) { return call<Pair::PX, Property::T>(P, 0.0, UnitSet); }
double VAPROP_CALL StmPTR(double P, double T, int32_t U) { return call<Pair::PT, Property::Region>(P, T, U); }

double VAPROP_CALL StmPTH(double P, double T, int32_t U) { return call<Pair::PT, Property::H>(P, T, U); }
double VAPROP_CALL StmPTS(double P, double T, int32_t U) { return call<Pair::PT, Property::S>(P, T, U); }
double VAPROP_CALL StmPTV(double P, double T, int32_t U) { return call<Pair::PT, Property::V>(P, T, U); }
double VAPROP_CALL StmPTC(double P, double T, int32_t U) { return call<Pair::PT, Property::Cp>(P, T, U); }
double VAPROP_CALL StmPTW(double P, double T, int32_t U) { return call<Pair::PT, Property::W>(P, T, U); }
double VAPROP_CALL StmPTG(double P, double T, int32_t U) { return call<Pair::PT, Property::Kappa>(P, T, U); }
double VAPROP_CALL StmPTK(double P, double T, int32_t U) { return call<Pair::PT, Property::Lambda>(P, T, U); }
double VAPROP_CALL StmPTM(double P, double T, int32_t U) { return call<Pair::PT, Property::Mu>(P, T, U); }

double VAPROP_CALL StmPQH(double P, double Q, int32_t U) { return call<Pair::PX, Property::H>(P, Q, U); }
double VAPROP_CALL StmPQS(double P, double Q, int32_t U) { return call<Pair::PX, Property::S>(P, Q, U); }
double VAPROP_CALL StmPQV(double P, double Q, int32_t U) { return call<Pair::PX, Property::V>(P, Q, U); }
double VAPROP_CALL StmPQC(double P, double Q, int32_t U) { return call<Pair::PX, Property::Cp>(P, Q, U); }
double VAPROP_CALL StmPQW(double P, double Q, int32_t U) { return call<Pair::PX, Property::W>(P, Q, U); }
double VAPROP_CALL StmPQG(double P, double Q, int32_t U) { return call<Pair::PX, Property::Kappa>(P, Q, U); }
double VAPROP_CALL StmPQK(double P, double Q, int32_t U) { return call<Pair::PX, Property::Lambda>(P, Q, U); }
double VAPROP_CALL StmPQM(double P, double Q, int32_t U) { return call<Pair::PX, Property::Mu>(P, Q, U); }

double VAPROP_CALL StmTQH(double T, double Q, int32_t U) { return call<Pair::TX, Property::H>(T, Q, U); }
double VAPROP_CALL StmTQS(double T, double Q, int32_t U) { return call<Pair::TX, Property::S>(T, Q, U); }
double VAPROP_CALL StmTQV(double T, double Q, int32_t U) { return call<Pair::TX, Property::V>(T, Q, U); }
double VAPROP_CALL StmTQC(double T, double Q, int32_t U) { return call<Pair::TX, Property::Cp>(T, Q, U); }
double VAPROP_CALL StmTQW(double T, double Q, int32_t U) { return call<Pair::TX, Property::W>(T, Q, U); }
double VAPROP_CALL StmTQG(double T, double Q, int32_t U) { return call<Pair::TX, Property::Kappa>(T, Q, U); }
double VAPROP_CALL StmTQK(double T, double Q, int32_t U) { return call<Pair::TX, Property::Lambda>(T, Q, U); }
double VAPROP_CALL StmTQM(double T, double Q, int32_t U) { return call<Pair::TX, Property::Mu>(T, Q, U); }

double VAPROP_CALL StmPHT(double P, double H, int32_t U) { return call<Pair::PH, Property::T>(P, H, U); }
double VAPROP_CALL StmPHQ(double P, double H, int32_t U) { return call<Pair::PH, Property::X>(P, H, U); }
double VAPROP_CALL StmPHS(double P, double H, int32_t U) { return call<Pair::PH, Property::S>(P, H, U); }
double VAPROP_CALL StmPHV(double P, double H, int32_t U) { return call<Pair::PH, Property::V>(P, H, U); }
double VAPROP_CALL StmPHC(double P, double H, int32_t U) { return call<Pair::PH, Property::Cp>(P, H, U); }
double VAPROP_CALL StmPHW(double P, double H, int32_t U) { return call<Pair::PH, Property::W>(P, H, U); }
double VAPROP_CALL StmPHG(double P, double H, int32_t U) { return call<Pair::PH, Property::Kappa>(P, H, U); }

double VAPROP_CALL StmPST(double P, double S, int32_t U) { return call<Pair::PS, Property::T>(P, S, U); }
double VAPROP_CALL StmPSQ(double P, double S, int32_t U) { return call<Pair::PS, Property::X>(P, S, U); }
double VAPROP_CALL StmPSH(double P, double S, int32_t U) { return call<Pair::PS, Property::H>(P, S, U); }
double VAPROP_CALL StmPSV(double P, double S, int32_t U) { return call<Pair::PS, Property::V>(P, S, U); }
double VAPROP_CALL StmPSC(double P, double S, int32_t U) { return call<Pair::PS, Property::Cp>(P, S, U); }
double VAPROP_CALL StmPSW(double P, double S, int32_t U) { return call<Pair::PS, Property::W>(P, S, U); }
double VAPROP_CALL StmPSG(double P, double S, int32_t U) { return call<Pair::PS, Property::Kappa>(P, S, U); }

#if defined(_WIN32)
// The start-up entry (ordinal 1): nothing to prepare: the library keeps no state.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
#endif

}  // extern "C"
