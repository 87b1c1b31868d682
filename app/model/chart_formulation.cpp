#include "chart_formulation.h"

#include <cmath>

#include "display_format.h"
#include "properties.h"
#include "property_table.h"
#include "saturation.h"
#include "status_codes.h"
#include "vaprop67.h"

namespace calvex {
namespace {

// The chart needs the temperature, the enthalpy and the entropy of a state.
constexpr int kChartMask = if97::kMaskT | if97::kMaskH | if97::kMaskS;

// Unit 1 of every kind is the IFC-67 library's English unit.
constexpr int kLibraryUnit = 1;

double toLibrary(double internal, PropertyKind kind) noexcept { return fromInternal(internal, kind, kLibraryUnit); }

double fromLibrary(double value, PropertyKind kind) noexcept { return toInternal(value, kind, kLibraryUnit); }

// A library result: a value above the code limit (a liquid's enthalpy or entropy near 32 F is
// slightly negative), finite.
bool isLibraryValue(double v) noexcept { return std::isfinite(v) && v > vaprop::kCodeLimit; }

std::optional<ChartState> libraryState(double tF, double h, double s) noexcept {
    if (!isLibraryValue(tF) || !isLibraryValue(h) || !isLibraryValue(s)) {
        return std::nullopt;
    }
    return ChartState{fromLibrary(tF, PropertyKind::Temperature),
                      fromLibrary(s, PropertyKind::Entropy),
                      fromLibrary(h, PropertyKind::Enthalpy)};
}

// The IFC-67 critical point and range (psia, deg F).
constexpr double kPc67 = 3208.234758592228;
constexpr double kTc67 = 705.47;
constexpr double kPMin67 = 0.088;
constexpr double kPMax67 = 15700.0;
constexpr double kTMin67 = 32.0;

}  // namespace

// ---------------------------------------------------------------------------------------------
// IF97

std::optional<ChartState> If97ChartFormulation::read() const {
    if (if97::isErrorStatus(state_.status())) {
        return std::nullopt;
    }
    const ChartState c{state_.temperature(), state_.entropy(), state_.enthalpy()};
    if (!std::isfinite(c.T) || !std::isfinite(c.s) || !std::isfinite(c.h)) {
        return std::nullopt;
    }
    return c;
}

std::optional<ChartState> If97ChartFormulation::atPT(double p, double T) {
    state_.computePT(p, T, kChartMask);
    return read();
}

std::optional<ChartState> If97ChartFormulation::atPX(double p, double x) {
    state_.computePX(p, x, kChartMask);
    return read();
}

std::optional<ChartState> If97ChartFormulation::atTX(double T, double x) {
    state_.computeTX(T, x, kChartMask);
    return read();
}

std::optional<ChartState> If97ChartFormulation::atPS(double p, double s) {
    state_.computePS(p, s, kChartMask, 0);
    return read();
}

std::optional<double> If97ChartFormulation::saturationTemperature(double p) {
    if (!(p >= if97::kPs273) || p > if97::kPc) {
        return std::nullopt;
    }
    return if97::saturationTemperature(p);
}

double If97ChartFormulation::criticalTemperature() const noexcept { return if97::kTc; }

double If97ChartFormulation::criticalPressure() const noexcept { return if97::kPc; }

double If97ChartFormulation::lowestTemperature() const noexcept { return 273.15; }

double If97ChartFormulation::lowestPressure() const noexcept { return 1e-7; }

double If97ChartFormulation::highestPressure() const noexcept { return 100.0; }

// ---------------------------------------------------------------------------------------------
// IFC-67

std::optional<ChartState> Ifc67ChartFormulation::atPT(double p, double T) {
    const double pp = toLibrary(p, PropertyKind::Pressure);
    const double tt = toLibrary(T, PropertyKind::Temperature);
    return libraryState(tt, Stm67PTH(pp, tt), Stm67PTS(pp, tt));
}

std::optional<ChartState> Ifc67ChartFormulation::atPX(double p, double x) {
    const double pp = toLibrary(p, PropertyKind::Pressure);
    return libraryState(Stm67PT(pp), Stm67PQH(pp, x), Stm67PQS(pp, x));
}

std::optional<ChartState> Ifc67ChartFormulation::atTX(double T, double x) {
    const double tt = toLibrary(T, PropertyKind::Temperature);
    return libraryState(tt, Stm67TQH(tt, x), Stm67TQS(tt, x));
}

std::optional<ChartState> Ifc67ChartFormulation::atPS(double p, double s) {
    const double pp = toLibrary(p, PropertyKind::Pressure);
    const double ss = toLibrary(s, PropertyKind::Entropy);
    return libraryState(Stm67PST(pp, ss), Stm67PSH(pp, ss), ss);
}

std::optional<double> Ifc67ChartFormulation::saturationTemperature(double p) {
    const double t = Stm67PT(toLibrary(p, PropertyKind::Pressure));
    if (!isLibraryValue(t)) {
        return std::nullopt;
    }
    return fromLibrary(t, PropertyKind::Temperature);
}

double Ifc67ChartFormulation::criticalTemperature() const noexcept {
    return fromLibrary(kTc67, PropertyKind::Temperature);
}

double Ifc67ChartFormulation::criticalPressure() const noexcept { return fromLibrary(kPc67, PropertyKind::Pressure); }

double Ifc67ChartFormulation::lowestTemperature() const noexcept {
    return fromLibrary(kTMin67, PropertyKind::Temperature);
}

double Ifc67ChartFormulation::lowestPressure() const noexcept { return fromLibrary(kPMin67, PropertyKind::Pressure); }

double Ifc67ChartFormulation::highestPressure() const noexcept { return fromLibrary(kPMax67, PropertyKind::Pressure); }

std::unique_ptr<ChartFormulation> makeChartFormulation(bool ifc67) {
    if (ifc67) {
        return std::make_unique<Ifc67ChartFormulation>();
    }
    return std::make_unique<If97ChartFormulation>();
}

}  // namespace calvex
