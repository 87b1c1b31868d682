#include "point_compute.h"

#include <cmath>
#include <limits>

#include "display_format.h"
#include "status.h"
#include "vaprop67.h"

namespace calvex {
namespace {

// The properties of a form point: all but the IF97 region.
constexpr steam::PropertyMask kFormProperties = steam::kAllProperties & ~steam::maskOf(steam::Property::Region);

// The state layer's pair of an input selection.
steam::Pair steamPair(InputPair pair) noexcept {
    switch (pair) {
        case InputPair::PX: return steam::Pair::PX;
        case InputPair::TX: return steam::Pair::TX;
        case InputPair::PH: return steam::Pair::PH;
        case InputPair::PS: return steam::Pair::PS;
        default: return steam::Pair::PT;
    }
}

// The form shows a Prandtl number only when it is a positive value.
double shownPrandtl(double pr) noexcept { return pr > 0.0 ? pr : NotAvailableMarker; }

// The IFC-67 library's critical pressure (psia) and temperature (deg F).
constexpr double kPc67 = 3208.234758592228;
constexpr double kTc67 = 705.47;

// Unit 1 of every kind is the library's English unit.
constexpr int kLibraryUnit = 1;

// An internal value read in the library's unit, as a box reads it.
double libraryValue(const FormValues& v, int property) noexcept {
    return fromInternal(v[static_cast<std::size_t>(property)], propertyKind(property), kLibraryUnit);
}

// A library result set in the library's unit, as a box sets it: codes stay unchanged.
double fromLibrary(double result, int property) noexcept {
    return isPropertyValue(result) ? toInternal(result, propertyKind(property), kLibraryUnit) : result;
}

void put(ComputeReport& r, int property, double internal) noexcept {
    r.values[static_cast<std::size_t>(property)] = internal;
    r.set[static_cast<std::size_t>(property)] = true;
}

void putLibrary(ComputeReport& r, int property, double result) noexcept {
    put(r, property, fromLibrary(result, property));
}

void restoreInputs(ComputeReport& r, InputPair pair) noexcept {
    const auto bits = static_cast<std::uint32_t>(pair);
    for (int b = 0; b < 5; ++b) {
        if (bits & (1u << b)) {
            r.restored[static_cast<std::size_t>(kInputProperties[b])] = true;
        }
    }
}

bool isExactEnd(double x) noexcept { return x == 0.0 || x == 1.0; }

}  // namespace

bool ComputeReport::changesBoxes() const noexcept {
    for (int p = 0; p < kPropertyCount; ++p) {
        if (set[static_cast<std::size_t>(p)] || restored[static_cast<std::size_t>(p)]) {
            return true;
        }
    }
    return false;
}

int ifc67Status(double result) noexcept {
    if (std::isnan(result)) {
        return if97::status::Region3Convergence;
    }
    if (result <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    if (result >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(std::trunc(result));
}

double prandtlNumber(double viscosity, double cp, double conductivity) noexcept {
    if (!(cp > 0.0) || !(viscosity > 0.0) || !(conductivity > 0.0)) {
        return NotAvailableMarker;
    }
    return viscosity * cp / conductivity * 1000.0;
}

ComputeReport PointCalculator::compute(std::uint32_t mask, const FormValues& boxes) {
    const InputPair pair = inputPairOf(mask);
    if (pair == InputPair::None) {
        ComputeReport r;
        r.outcome = ComputeOutcome::BadPair;
        r.values = boxes;
        return r;
    }
    return usesIfc67(mask) ? computeIFC67(pair, boxes) : computeIF97(pair, boxes);
}

ComputeReport PointCalculator::computeIF97(InputPair pair, const FormValues& boxes) {
    using steam::Property;
    ComputeReport r;
    r.values = boxes;
    const auto in = [&boxes](int p) { return boxes[static_cast<std::size_t>(p)]; };
    double first = in(kPressure);
    double second = in(kTemperature);
    switch (pair) {
        case InputPair::PX: second = in(kQuality); break;
        case InputPair::TX: first = in(kTemperature), second = in(kQuality); break;
        case InputPair::PH: second = in(kEnthalpy); break;
        case InputPair::PS: second = in(kEntropy); break;
        default: break;
    }
    state_ = steam::solve(steam::Formulation::IF97, steamPair(pair), first, second, kFormProperties);
    const steam::State& st = state_;
    r.status = st.status;
    if (if97::isErrorStatus(r.status)) {
        r.outcome = ComputeOutcome::Error;
        r.values = boxes;
        return r;
    }
    restoreInputs(r, pair);
    put(r, kVolume, st[Property::V]);
    if (pair == InputPair::TX) {
        put(r, kPressure, st[Property::P]);
    }
    if (pair == InputPair::PX || pair == InputPair::PH || pair == InputPair::PS) {
        put(r, kTemperature, st[Property::T]);
    }
    if (pair == InputPair::PT || pair == InputPair::PH || pair == InputPair::PS) {
        put(r, kQuality, st[Property::X]);
    }
    if (pair != InputPair::PH) {
        put(r, kEnthalpy, st[Property::H]);
    }
    if (pair != InputPair::PS) {
        put(r, kEntropy, st[Property::S]);
    }
    put(r, kSpecificHeat, st[Property::Cp]);
    put(r, kCriticalVelocity, st[Property::W]);

    if (pair == InputPair::PT && r.status <= if97::status::WarningBoundary) {
        // A warning of the state: the transport equations are not applied to it.
        const auto code = static_cast<double>(r.status);
        put(r, kViscosity, code);
        put(r, kConductivity, code);
        put(r, kPrandtl, code);
        return r;
    }
    // Transport properties of a wet state are not defined: the state layer gives the marker.
    put(r, kConductivity, st[Property::Lambda]);
    put(r, kViscosity, st[Property::Mu]);
    put(r, kPrandtl, shownPrandtl(st[Property::Prandtl]));
    return r;
}

ComputeReport PointCalculator::computeIFC67(InputPair pair, const FormValues& boxes) {
    ComputeReport r;
    r.values = boxes;
    double status = 0.0;
    const double p = libraryValue(boxes, kPressure);
    switch (pair) {
        case InputPair::PT: {
            const double t = libraryValue(boxes, kTemperature);
            putLibrary(r, kVolume, Stm67PTV(p, t));
            putLibrary(r, kEnthalpy, Stm67PTH(p, t));
            putLibrary(r, kEntropy, Stm67PTS(p, t));
            status = Stm67PTC(p, t);
            putLibrary(r, kSpecificHeat, status);
            const bool vapour = (p >= kPc67 && t >= kTc67) || (p < kPc67 && t >= Stm67PT(p));
            putLibrary(r, kQuality, vapour ? 1.0 : 0.0);
            break;
        }
        case InputPair::PX:
        case InputPair::TX: {
            const double x = libraryValue(boxes, kQuality);
            const bool pressureInput = pair == InputPair::PX;
            const double t = libraryValue(boxes, kTemperature);
            putLibrary(r, kVolume, pressureInput ? Stm67PQV(p, x) : Stm67TQV(t, x));
            putLibrary(r, kEnthalpy, pressureInput ? Stm67PQH(p, x) : Stm67TQH(t, x));
            putLibrary(r, kEntropy, pressureInput ? Stm67PQS(p, x) : Stm67TQS(t, x));
            const double cp = !isExactEnd(x) ? NotAvailableMarker : (pressureInput ? Stm67PQC(p, x) : Stm67TQC(t, x));
            putLibrary(r, kSpecificHeat, cp);
            status = pressureInput ? Stm67PT(p) : Stm67TP(t);
            putLibrary(r, pressureInput ? kTemperature : kPressure, status);
            break;
        }
        case InputPair::PH:
        case InputPair::PS: {
            const bool enthalpyInput = pair == InputPair::PH;
            // The other of enthalpy and entropy is the computed one.
            const int other = enthalpyInput ? kEntropy : kEnthalpy;
            const double y = libraryValue(boxes, enthalpyInput ? kEnthalpy : kEntropy);
            const double t = enthalpyInput ? Stm67PHT(p, y) : Stm67PST(p, y);
            if (!isPropertyValue(t)) {
                // No temperature: every property that depends on it takes the code.
                const int dependent[] = {kQuality, kTemperature, other, kVolume, kSpecificHeat};
                for (const int prop : dependent) {
                    put(r, prop, t);
                }
                status = t;
                break;
            }
            putLibrary(r, kTemperature, t);
            const double x = enthalpyInput ? Stm67PHQ(p, y) : Stm67PSQ(p, y);
            put(r, kQuality, x);
            if (x <= 0.0 || x >= 1.0) {
                const double shownT = fromInternal(r.values[kTemperature], PropertyKind::Temperature, kLibraryUnit);
                if (std::fabs(shownT - Stm67PT(p)) >= 1e-8) {
                    putLibrary(r, other, enthalpyInput ? Stm67PTS(p, t) : Stm67PTH(p, t));
                    putLibrary(r, kVolume, Stm67PTV(p, t));
                    status = Stm67PTC(p, t);
                } else {
                    putLibrary(r, other, enthalpyInput ? Stm67PQS(p, x) : Stm67PQH(p, x));
                    putLibrary(r, kVolume, Stm67PQV(p, x));
                    status = Stm67PQC(p, x);
                }
                putLibrary(r, kSpecificHeat, status);
            } else {
                putLibrary(r, other, enthalpyInput ? Stm67PQS(p, x) : Stm67PQH(p, x));
                status = Stm67PQV(p, x);
                putLibrary(r, kVolume, status);
                put(r, kSpecificHeat, NotAvailableMarker);
            }
            break;
        }
        case InputPair::None: break;
    }
    // The library has no critical flow velocity.
    put(r, kCriticalVelocity, NotAvailableMarker);
    restoreInputs(r, pair);

    r.status = ifc67Status(status);
    if (r.status < -1) {
        // The transport values on the form belong to the previous state: they are not shown
        // beside the codes of this one.
        for (int prop : {kViscosity, kConductivity, kPrandtl}) {
            put(r, prop, static_cast<double>(r.status));
        }
        r.outcome = ComputeOutcome::Error;
        return r;
    }
    transportStep(pair, r);
    return r;
}

void PointCalculator::transportStep(InputPair pair, ComputeReport& r) {
    const auto v = [&r](int p) { return r.values[static_cast<std::size_t>(p)]; };
    if (pair != InputPair::PT && !isExactEnd(v(kQuality))) {
        put(r, kViscosity, NotAvailableMarker);
        put(r, kConductivity, NotAvailableMarker);
        put(r, kPrandtl, NotAvailableMarker);
        return;
    }
    const steam::Transport t = steam::transportOf(v(kPressure), v(kTemperature), v(kVolume), v(kSpecificHeat));
    put(r, kConductivity, t.conductivity);
    put(r, kViscosity, t.viscosity);
    put(r, kPrandtl, shownPrandtl(t.prandtl));
}

}  // namespace calvex
