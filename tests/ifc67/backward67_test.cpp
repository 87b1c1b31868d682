// Backward searches of the IFC-67 library: round trips over the whole (p,T) range, start error and
// pass count of every start-value set over its domain, the classification and exact saturation
// checks, and the mended failure cases (clamped start values, the near-critical liquid, the
// subregion switch).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "backward67.h"
#include "constants67.h"
#include "forward67.h"
#include "start_given67.h"
#include "tiers67.h"

namespace {

using namespace ifc67;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

IFC67Working started() {
    IFC67Working w;
    startWorking67(w);
    return w;
}

Property propertyOf(Given g) { return g == Given::Enthalpy ? Property::Enthalpy : Property::Entropy; }
double toleranceOf(Given g) { return g == Given::Enthalpy ? tiers67::kSearchEnthalpy : tiers67::kSearchEntropy; }

struct Outcome {
    double t;
    SearchInfo info;
    double reproduced;  // the given property at the result, in the result's own subregion
};

Outcome search(double p, double given, Given kind) {
    IFC67Working w = started();
    Outcome o{};
    o.t = searchTemperature67(w, p, given, kind, o.info);
    o.reproduced = o.t > -1000.0 && !o.info.twoPhase ? evaluatePT67(w, p, o.t, propertyOf(kind)) : kNaN;
    return o;
}

// A dense grid over the valid (p,T) range, with extra lines through the near-critical band.
std::vector<std::pair<double, double>> grid() {
    std::vector<std::pair<double, double>> g;
    const int np = 160, nt = 160;
    for (int i = 0; i < np; ++i) {
        const double p =
            std::min(std::exp(std::log(0.0881) + (std::log(kPMax) - std::log(0.0881)) * i / (np - 1)), kPMax);
        for (int j = 0; j < nt; ++j) g.emplace_back(p, kTMin + (kTMax - kTMin) * j / (nt - 1));
    }
    for (int i = 0; i < 80; ++i) {
        const double p = 2400.0 + 2100.0 * i / 79.0;
        for (int j = 0; j < 80; ++j) g.emplace_back(p, 640.0 + 160.0 * j / 79.0);
    }
    for (int i = 0; i < 60; ++i) {
        const double p = 3150.0 + 150.0 * i / 59.0;
        for (int j = 0; j < 60; ++j) g.emplace_back(p, 700.0 + 5.47 * j / 59.0);
    }
    return g;
}

bool onSaturationLine(double p, double t) { return p < kPc && std::fabs(t - satTemperature67(p)) < 1e-6; }

void roundTrip(Given kind) {
    IFC67Working w = started();
    int worstPasses = 0, states = 0;
    for (const auto& [p, t] : grid()) {
        if (onSaturationLine(p, t)) continue;
        const double given = evaluatePT67(w, p, t, propertyOf(kind));
        const Outcome o = search(p, given, kind);
        ++states;
        ASSERT_GT(o.t, -1000.0) << "p " << p << " T " << t;
        ASSERT_EQ(o.info.twoPhase, 0) << "p " << p << " T " << t;
        EXPECT_NEAR(o.t, t, tiers67::kRoundTripTemperature) << "p " << p << " T " << t;
        EXPECT_NEAR(o.reproduced, given, toleranceOf(kind)) << "p " << p << " T " << t;
        EXPECT_LT(o.info.passes, 20) << "p " << p << " T " << t;
        worstPasses = std::max(worstPasses, o.info.passes);
    }
    ::testing::Test::RecordProperty("states", states);
    ::testing::Test::RecordProperty("worst_passes", worstPasses);
}

TEST(Backward67, RoundTripThroughEnthalpyOverWholeRange) { roundTrip(Given::Enthalpy); }
TEST(Backward67, RoundTripThroughEntropyOverWholeRange) { roundTrip(Given::Entropy); }

// Start error (start temperature against the true one) and corrections needed, per start-value set,
// over the grid.  Limits: the published sets as they are (set 1 within 7.5 F and 2 passes of the
// grid, set 15 within 15 F); the fitted sets to the same standard.
TEST(Backward67, EveryStartSetStartsCloseAndConvergesQuickly) {
    struct Limit {
        int set;
        double maxStartError;  // F
        int maxPasses;
    };
    const Limit limits[] = {{1, 7.5, 3},
                            {3, 11.0, 10},
                            {5, 3.0, 12},
                            {15, 15.0, 19},
                            {7, 2.6, 4},
                            {9, 4.0, 10},
                            {11, 2.5, 12},
                            {13, 15.0, 19}};
    struct Seen {
        double startError = 0.0;
        int passes = 0;
        int states = 0;
    };
    Seen seen[17];
    IFC67Working w = started();
    for (const auto& [p, t] : grid()) {
        if (onSaturationLine(p, t)) continue;
        for (Given kind : {Given::Enthalpy, Given::Entropy}) {
            const Outcome o = search(p, evaluatePT67(w, p, t, propertyOf(kind)), kind);
            if (o.info.startSet == 0) continue;
            Seen& s = seen[o.info.startSet];
            s.startError = std::max(s.startError, std::fabs(o.info.start - t));
            s.passes = std::max(s.passes, o.info.passes);
            ++s.states;
        }
    }
    for (const auto& l : limits) {
        const Seen& s = seen[l.set];
        EXPECT_GT(s.states, 500) << "set " << l.set;
        EXPECT_LE(s.startError, l.maxStartError) << "set " << l.set;
        EXPECT_LE(s.passes, l.maxPasses) << "set " << l.set;
        RecordProperty("set_" + std::to_string(l.set) + "_start_error_mF", static_cast<int>(1000 * s.startError));
        RecordProperty("set_" + std::to_string(l.set) + "_passes", s.passes);
    }
}

// Every slope set gives a positive slope of the right size (1/cp) over most of its domain.
TEST(Backward67, SlopeSetsFollowInverseHeatCapacity) {
    IFC67Working w = started();
    for (double p : {1.0, 100.0, 400.0}) {
        for (double t : {700.0, 1000.0, 1500.0}) {
            const double h = evaluatePT67(w, p, t, Property::Enthalpy);
            const double s = evaluatePT67(w, p, t, Property::Entropy);
            const double cp = evaluatePT67(w, p, t, Property::HeatCapacity);
            EXPECT_NEAR(backwardPoly67(p, h / 100.0, 2) * cp, 1.0, 0.05) << p << " " << t;    // set 2
            EXPECT_NEAR(backwardPoly67(std::log(p), s, 8) * cp, 1.0, 0.05) << p << " " << t;  // set 8
        }
    }
    for (double p : {1000.0, 5000.0}) {
        for (double t : {100.0, 400.0}) {
            const double h = evaluatePT67(w, p, t, Property::Enthalpy);
            const double s = evaluatePT67(w, p, t, Property::Entropy);
            const double cp = evaluatePT67(w, p, t, Property::HeatCapacity);
            const double u = std::log(p);
            EXPECT_NEAR(backwardPoly67(u, 5.0 + h / 100.0, 16) * cp, 1.0, 0.05) << p << " " << t;  // set 16
            EXPECT_NEAR(backwardPoly67(u, s + 1.0, 14) * cp, 1.0, 0.05) << p << " " << t;          // set 14
        }
    }
}

TEST(Backward67, PublishedSetsAreTheGivenCoefficients) {
    // Set 1 and set 15 as published: their values at one point each, evaluated term by term.
    const double u = 100.0, w = 12.0;
    double expected1 = 0.0, expected15 = 0.0;
    const double uw[20] = {1,
                           u,
                           u * u,
                           u * u * u,
                           w,
                           w * w,
                           w * w * w,
                           w * w * w * w,
                           u * w,
                           u * w * w,
                           u * w * w * w,
                           u * w * w * w * w,
                           u * u * w,
                           u * u * w * w,
                           u * u * w * w * w,
                           u * u * w * w * w * w,
                           u * u * u * w,
                           u * u * u * w * w,
                           u * u * u * w * w * w,
                           u * u * u * w * w * w * w};
    for (int i = 0; i < 20; ++i) {
        expected1 += kStartSet1[i] * uw[i];
        expected15 += kStartSet15[i] * uw[i];
    }
    EXPECT_NEAR(backwardPoly67(u, w, 1), expected1, 1e-9 * std::fabs(expected1));
    EXPECT_NEAR(backwardPoly67(u, w, 15), expected15, 1e-9 * std::fabs(expected15));
    EXPECT_EQ(kStartSet1[0], -2252.0652);
    EXPECT_EQ(kStartSet15[19], -0.0030787656);
}

TEST(Backward67, PressureLimitsOfTheSearches) {
    for (Given kind : {Given::Enthalpy, Given::Entropy}) {
        const double given = kind == Given::Enthalpy ? 1100.0 : 2.0;
        EXPECT_EQ(search(0.088, given, kind).t, kOutOfRange);  // 0.088 itself is refused here
        EXPECT_GT(search(0.0880001, given, kind).t, 0.0);
        EXPECT_EQ(search(15700.0001, given, kind).t, kOutOfRange);
        EXPECT_EQ(search(kNaN, given, kind).t, kOutOfRange);
        EXPECT_EQ(search(100.0, kNaN, kind).t, kOutOfRange);
    }
}

// Inputs far beyond the formulation's range are refused before any correction.
TEST(Backward67, FarOutStartValuesAreRefused) {
    EXPECT_EQ(search(100.0, 3000.0, Given::Enthalpy).t, kOutOfRange);
    EXPECT_EQ(search(100.0, -200.0, Given::Enthalpy).t, kOutOfRange);
    EXPECT_EQ(search(100.0, 3.5, Given::Entropy).t, kOutOfRange);
    EXPECT_EQ(search(5000.0, -0.5, Given::Entropy).t, kOutOfRange);
}

// Superheated steam next to 1600 F (set 1 starts above 1600 F there) and cold compressed liquid
// at 30 to 32.5 F and 1000 to 9000 psia (set 15 starts below 30 F) are valid states: their start
// values are moved into 30..1600 F and the search converges.
TEST(Backward67, StartValuesJustOutsideRangeAreClamped) {
    IFC67Working w = started();
    int clampedHigh = 0, clampedLow = 0;
    for (double p : {0.1, 1.0, 10.0, 100.0, 300.0, 500.0}) {
        for (double t : {1593.0, 1597.0, 1600.0}) {
            const double h = evaluatePT67(w, p, t, Property::Enthalpy);
            const Outcome o = search(p, h, Given::Enthalpy);
            clampedHigh += o.info.start > kTMax;
            EXPECT_NEAR(o.t, t, 1e-3) << p << " " << t;
        }
    }
    for (double p : {1000.0, 3000.0, 6000.0, 9000.0}) {
        for (double t : {30.0, 31.0, 32.5}) {
            const double h = evaluatePT67(w, p, t, Property::Enthalpy);
            const Outcome o = search(p, h, Given::Enthalpy);
            clampedLow += o.info.start < kTMin;
            EXPECT_NEAR(o.t, t, 1e-3) << p << " " << t;
        }
    }
    EXPECT_GT(clampedHigh, 0);
    EXPECT_GT(clampedLow, 0);
}

TEST(Backward67, TwoPhaseStateReturnsSaturationTemperature) {
    for (double p : {1.0, 14.7, 100.0, 1000.0, 3000.0, 3206.0}) {
        IFC67Working w = started();
        const double ts = satTemperature67(p);
        const double hf = saturated67(w, p, ts, false, Property::Enthalpy);
        const double hg = saturated67(w, p, ts, true, Property::Enthalpy);
        int twoPhase = 0;
        EXPECT_EQ(tempFromPH67(w, p, 0.3 * hf + 0.7 * hg, twoPhase), ts) << p;
        EXPECT_EQ(twoPhase, 1);
        EXPECT_EQ(w.hf, hf);
        EXPECT_EQ(w.hg, hg);
        const double sf = saturated67(w, p, ts, false, Property::Entropy);
        const double sg = saturated67(w, p, ts, true, Property::Entropy);
        twoPhase = 0;
        EXPECT_EQ(tempFromPS67(w, p, 0.5 * (sf + sg), twoPhase), ts) << p;
        EXPECT_EQ(twoPhase, 1);
        EXPECT_EQ(w.sf, sf);
        EXPECT_EQ(w.sg, sg);
    }
}

// Below 5 psia and from 3205 psia to pc no approximation is held: every state, however far from
// saturation, goes through the exact check, which leaves the exact saturated pair behind.  At
// 100 psia a state far from saturation skips it.
TEST(Backward67, ExactSaturationCheckBelow5AndFrom3205Psia) {
    const struct {
        double p, h, s;
        bool exact;
    } rows[] = {{4.0, 1500.0, 2.1, true},
                {4.0, 20.0, 0.04, true},
                {3206.0, 1500.0, 1.6, true},
                {3206.0, 300.0, 0.45, true},
                {100.0, 1500.0, 1.9, false},
                {100.0, 50.0, 0.1, false}};
    for (const auto& r : rows) {
        IFC67Working w = started();
        const double ts = satTemperature67(r.p);
        const double hf = saturated67(w, r.p, ts, false, Property::Enthalpy);
        const double sg = saturated67(w, r.p, ts, true, Property::Entropy);
        w.hf = w.hg = w.sf = w.sg = kNaN;
        int twoPhase = 0;
        EXPECT_GT(tempFromPH67(w, r.p, r.h, twoPhase), 0.0);
        EXPECT_EQ(twoPhase, 0);
        EXPECT_EQ(w.hf == hf, r.exact) << r.p << " h " << r.h;
        EXPECT_GT(tempFromPS67(w, r.p, r.s, twoPhase), 0.0);
        EXPECT_EQ(w.sg == sg, r.exact) << r.p << " s " << r.s;
    }
}

// A subcooled liquid whose start value lies above Ts is started at Ts and never goes above it.
TEST(Backward67, LiquidStartAboveSaturationIsHeldAtTs) {
    IFC67Working w = started();
    int found = 0;
    for (double p = 200.0; p < 3200.0; p += 50.0) {
        const double ts = satTemperature67(p);
        const double t = ts - 0.5;
        const double h = evaluatePT67(w, p, t, Property::Enthalpy);
        const double raw = backwardPoly67(std::fmax(std::log(p), kLiquidLogPMin), 5.0 + h / 100.0, 15);
        if (raw <= ts) continue;
        ++found;
        const Outcome o = search(p, h, Given::Enthalpy);
        EXPECT_EQ(o.info.start, ts) << p;
        EXPECT_LE(o.t, ts) << p;
        EXPECT_NEAR(o.t, t, 1e-3) << p;
    }
    EXPECT_GT(found, 0);
}

// Above pc the side of a (p,h) state between 715.74857635 and 906.9335405 Btu/lb follows from the
// enthalpy on the 705.47 F isotherm of subregion 4.
TEST(Backward67, SupercriticalSideFromCriticalIsotherm) {
    for (double p : {3300.0, 5000.0, 10000.0, 15000.0}) {
        IFC67Working w = started();
        setState67(w, p, kTcF);
        solveVolume34(w, p, kTcF, 4);
        const double hc = property67(w, 4, Property::Enthalpy);
        ASSERT_GT(hc, 715.74857635);
        ASSERT_LT(hc, 906.9335405);
        EXPECT_EQ(search(p, hc - 0.01, Given::Enthalpy).info.side, 1) << p;
        EXPECT_EQ(search(p, hc, Given::Enthalpy).info.side, 1) << p;
        EXPECT_EQ(search(p, hc + 0.01, Given::Enthalpy).info.side, 2) << p;
        EXPECT_LE(search(p, hc - 0.01, Given::Enthalpy).t, kTcF);
        EXPECT_GE(search(p, hc + 0.01, Given::Enthalpy).t, kTcF);
    }
    EXPECT_EQ(search(5000.0, 715.7, Given::Enthalpy).info.side, 1);
    EXPECT_EQ(search(5000.0, 907.0, Given::Enthalpy).info.side, 2);
}

// Near the critical point on the liquid side the start value lies above 705.47 F and the
// correction used to cycle (3210 psia, 704.5 F came back as 693.26 F).  Start and corrections are
// held at or below 705.47 F and the search converges.
TEST(Backward67, NearCriticalLiquidConverges) {
    IFC67Working w = started();
    const struct {
        double p, t;
    } rows[] = {{3210.0, 704.5}, {3208.3, 705.4}, {3230.0, 705.0}, {3220.0, 705.46}, {3200.0, 704.9}};
    for (const auto& r : rows) {
        for (Given kind : {Given::Enthalpy, Given::Entropy}) {
            const double given = evaluatePT67(w, r.p, r.t, propertyOf(kind));
            const Outcome o = search(r.p, given, kind);
            EXPECT_EQ(o.info.side, 1);
            EXPECT_NEAR(o.t, r.t, 1e-3) << r.p << " " << r.t;
            EXPECT_NEAR(o.reproduced, given, toleranceOf(kind));
            EXPECT_LT(o.info.passes, 20);
        }
    }
}

// Where the start value and the answer lie on opposite sides of 662 F or of the L line, the search
// goes on in the subregion of the temperature it converged to, so the answer reproduces the given
// value in its own subregion.
TEST(Backward67, SearchEndsInTheSubregionOfItsAnswer) {
    IFC67Working w = started();
    int switched = 0;
    for (int i = 0; i < 120; ++i) {
        const double p = 2400.0 + 13300.0 * i / 119.0;
        for (int j = 0; j < 60; ++j) {
            const double t = 655.0 + 14.0 * j / 59.0;
            for (Given kind : {Given::Enthalpy, Given::Entropy}) {
                const double given = evaluatePT67(w, p, t, propertyOf(kind));
                const Outcome o = search(p, given, kind);
                switched += o.info.subregion != o.info.startSubregion;
                EXPECT_EQ(o.info.subregion, subregionOf67(p, o.t)) << p << " " << t;
                EXPECT_NEAR(o.reproduced, given, toleranceOf(kind)) << p << " " << t;
                EXPECT_NEAR(o.t, t, tiers67::kRoundTripTemperature) << p << " " << t;
            }
        }
    }
    EXPECT_GT(switched, 0);
}

TEST(Backward67, BoundaryEntropyLiesOnTheSplitIsenthalp) {
    IFC67Working w = started();
    for (double p : {2500.0, 3000.0, 5000.0, 10000.0, 15700.0}) {
        // Temperature of h = 1280 Btu/lb on the isobar, by bisection.
        double lo = kTcF, hi = kTMax;
        for (int i = 0; i < 80; ++i) {
            const double m = 0.5 * (lo + hi);
            (evaluatePT67(w, p, m, Property::Enthalpy) < 1280.0 ? lo : hi) = m;
        }
        EXPECT_NEAR(boundaryEntropy67(p), evaluatePT67(w, p, lo, Property::Entropy), 5e-4) << p;
    }
}

// The boundary entropy's stored form, a degree-6 polynomial in p, with its p^2 coefficient read as
// 2.03081212e-08 (as printed, 2.03081212, it would put sB near 2e7): the generated boundary, the
// entropy on the 1280 Btu/lb isenthalp, agrees with it within 0.002 Btu/(lb R).
TEST(Backward67, BoundaryEntropyAgreesWithItsStoredForm) {
    const double c[7] = {
        1.55077535, -9.99741636e-05, 2.03081212e-08, -2.43468381e-12, 1.61833683e-16, -5.47437942e-21, 7.20894478e-26};
    for (double p = 2500.0; p <= 15700.0; p += 100.0) {
        double stored = 0.0;
        for (int k = 6; k >= 0; --k) stored = stored * p + c[k];
        EXPECT_NEAR(boundaryEntropy67(p), stored, 0.002) << p;
    }
}

TEST(Backward67, SaturationApproximationsFollowTheExactLine) {
    IFC67Working w = started();
    for (double p = 5.0; p < 3205.0; p *= 1.05) {
        const double ts = satTemperature67(p);
        const SatPair h = satApproxEnthalpy67(p);
        const SatPair s = satApproxEntropy67(p);
        EXPECT_NEAR(h.liquid, saturated67(w, p, ts, false, Property::Enthalpy), 1.85) << p;
        EXPECT_NEAR(h.vapour, saturated67(w, p, ts, true, Property::Enthalpy), 1.85) << p;
        EXPECT_NEAR(s.liquid, saturated67(w, p, ts, false, Property::Entropy), 0.0035) << p;
        EXPECT_NEAR(s.vapour, saturated67(w, p, ts, true, Property::Entropy), 0.0035) << p;
    }
}

}  // namespace
