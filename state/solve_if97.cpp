// The IF97 solver of the state layer: the core operation of the pair with the mask of the properties
// asked for, read back through the core's getters (a getter gives the status code while an error
// status is set), then the transport step, the Prandtl number and the region.
#include "composition.h"

#include "if97_state.h"
#include "properties.h"
#include "status.h"

#include <bit>

namespace steam::detail {
namespace {

using if97::IF97State;

constexpr double kRegionWet = 4.0;  // the saturation line and the wet region

constexpr bool asks(PropertyMask mask, Property p) noexcept { return (mask & maskOf(p)) != 0; }

// The first eight properties (p, T, x, h, s, v, cp, w) have the bits of the core's property mask.
constexpr PropertyMask kCoreProperties = 0xFF;
static_assert(maskOf(Property::P) == if97::kMaskP && maskOf(Property::T) == if97::kMaskT &&
                  maskOf(Property::X) == if97::kMaskX && maskOf(Property::H) == if97::kMaskH &&
                  maskOf(Property::S) == if97::kMaskS && maskOf(Property::V) == if97::kMaskV &&
                  maskOf(Property::Cp) == if97::kMaskCp && maskOf(Property::W) == if97::kMaskW,
              "the state layer's first properties are the core's mask bits");

// The core mask of the properties in mask: their own bits, v and w for the isentropic coefficient,
// cp for the Prandtl number, and for the transport step v with the saturation value the pair
// computes (T of (p,x), p of (T,x)), as the conductivity and viscosity calls have always asked.
int coreMask(Pair pair, PropertyMask mask) noexcept {
    int bits = static_cast<int>(mask & kCoreProperties);
    if (asks(mask, Property::Kappa)) bits |= if97::kMaskV | if97::kMaskW;
    if (asks(mask, Property::Prandtl)) bits |= if97::kMaskCp;
    if (mask & kTransportMask) {
        bits |= if97::kMaskV;
        if (pair == Pair::PX) bits |= if97::kMaskT;
        if (pair == Pair::TX) bits |= if97::kMaskP;
    }
    // The properties the core derives from its fields: u from h and v, the density, cv and the 2008/2011
    // transport properties from v (the surface tension needs only T, which every operation sets).
    if (asks(mask, Property::U)) bits |= if97::kMaskU;
    if (asks(mask, Property::Cv)) bits |= if97::kMaskCv;
    if (mask & (maskOf(Property::D) | kTransport0811Mask)) bits |= if97::kMaskV;
    return bits;
}

// The properties of mask from the core's getters (cp as well when the Prandtl number is asked).
void readBack(const IF97State& core, PropertyMask mask, State& st) noexcept {
    auto put = [&st](Property p, double value) { st.values[indexOf(p)] = value; };
    if (asks(mask, Property::P)) put(Property::P, core.pressure());
    if (asks(mask, Property::T)) put(Property::T, core.temperature());
    if (asks(mask, Property::X)) put(Property::X, core.quality());
    if (asks(mask, Property::H)) put(Property::H, core.enthalpy());
    if (asks(mask, Property::S)) put(Property::S, core.entropy());
    if (asks(mask, Property::V)) put(Property::V, core.volume());
    if (asks(mask, Property::Cp) || asks(mask, Property::Prandtl)) put(Property::Cp, core.cp());
    if (asks(mask, Property::W)) put(Property::W, core.soundSpeed());
    if (asks(mask, Property::Kappa)) put(Property::Kappa, core.isentropicExponent());
    if (asks(mask, Property::U)) put(Property::U, core.internalEnergy());
    if (asks(mask, Property::D)) put(Property::D, core.density());
    if (asks(mask, Property::Cv)) put(Property::Cv, core.cv());
    if (asks(mask, Property::Sigma)) put(Property::Sigma, core.surfaceTension());
    if (asks(mask, Property::Mu08)) put(Property::Mu08, core.viscosity08());
    if (asks(mask, Property::Lambda11)) put(Property::Lambda11, core.conductivity11());
}

void compute(IF97State& core, Pair pair, double a, double b, int bits, bool backwardOnly) noexcept {
    const int fast = backwardOnly ? 1 : 0;
    switch (pair) {
        case Pair::PT: core.computePT(a, b, bits); return;
        case Pair::PX: core.computePX(a, b, bits); return;
        case Pair::TX: core.computeTX(a, b, bits); return;
        case Pair::PH: core.computePH(a, b, bits, fast); return;
        case Pair::PS: core.computePS(a, b, bits, fast); return;
        case Pair::HS: core.computeHS(a, b, bits); return;
        case Pair::TS: core.computeTS(a, b, bits); return;
        case Pair::PV: core.computePV(a, b, bits); return;
        case Pair::TV: core.computeTV(a, b, bits); return;
    }
}

// A (p,h) or (p,s) state found liquid-like at or above the saturation temperature lies on the
// saturation line as saturated liquid.
bool saturatedLiquid(double p, double T, double x) noexcept {
    if (x != 0.0) return false;
    IF97State sat;
    sat.computePX(p, 0.0, if97::kMaskT);
    const double Ts = sat.temperature();
    return !isCode(Ts) && T >= Ts;
}

// The IF97 region of a computed state: 4 on the saturation line and in the wet region; for (p,h)
// and (p,s) states the region of their (p,T).
double regionOf(Pair pair, const IF97State& core) noexcept {
    if (if97::isErrorStatus(core.status())) return core.status();
    if (pair == Pair::PX || pair == Pair::TX) return kRegionWet;
    const double p = core.pressure();
    const double T = core.temperature();
    const double x = core.quality();
    if (strictlyWet(x) || saturatedLiquid(p, T, x)) return kRegionWet;
    IF97State single;
    return single.regionOfPT(p, T);
}

}  // namespace

void solveIF97(State& st, double a, double b, PropertyMask mask, bool backwardOnly) noexcept {
    const Pair pair = st.pair;
    IF97State core;
    // The region of (p,T) comes from the region test alone (region 3 states whose volume search
    // fails still have one).
    if ((mask & maskOf(Property::Region)) && pair == Pair::PT) {
        const int region = core.regionOfPT(a, b);
        st.values[indexOf(Property::Region)] = region;
        mask &= ~maskOf(Property::Region);
        if (mask == 0) {
            st.status = region < 0 ? region : 0;  // a range code, or the region test's own
            return;
        }
    }
    compute(core, pair, a, b, coreMask(pair, mask), backwardOnly);
    st.status = core.status();

    readBack(core, mask, st);

    if (mask & kTransportMask) {
        const PropertyMask transport = transportNeeds(mask);
        // The first input must be in its range for the refusal (the core reports a wrong quality).
        if (refusesTransportBeforeState(pair, b) && inputCode(pair, a, b) == 0) {
            fill(st, transport, if97::kNotDefined);
        } else if (if97::isErrorStatus(core.status())) {
            fill(st, transport, core.status());
        } else if (strictlyWet(core.quality())) {
            fill(st, transport, if97::kNotDefined);
        } else {
            transportAt(core.pressure(), core.temperature(), core.volume(), transport, st);
        }
        if (mask & maskOf(Property::Prandtl)) st.values[indexOf(Property::Prandtl)] = prandtlOf(st);
    }
    // The 2008/2011 transport properties of wet steam are refused like the 1985 ones.
    if ((mask & kTransport0811Mask) && refusesTransportBeforeState(pair, b)) {
        fill(st, mask & kTransport0811Mask, if97::kNotDefined);
    }
    if (mask & maskOf(Property::Region)) st.values[indexOf(Property::Region)] = regionOf(pair, core);
}

}  // namespace steam::detail
