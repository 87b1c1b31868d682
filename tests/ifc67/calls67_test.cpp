// Composition of the library's (p,h), (p,s), (p,x) and (T,x) results on a working record of the
// test's own.
#include <gtest/gtest.h>

#include "calls67.h"
#include "constants67.h"
#include "tiers67.h"

namespace {

using namespace ifc67;

IFC67Working started() {
    IFC67Working w;
    startWorking67(w);
    return w;
}

// The quality of a single-phase state follows its side: 0 for a liquid, 1 for a vapour, also for
// vapour just above the saturation line close to pc, whose enthalpy lies below 960 Btu/lb.
TEST(Calls67, SinglePhaseQualityFollowsTheSide) {
    IFC67Working w = started();
    const double p = 3200.0;
    const double h = callPQProperty(w, p, 1.0, Property::Enthalpy) + 10.0;
    ASSERT_LT(h, 960.0);
    EXPECT_GT(callBackward(w, p, h, Given::Enthalpy, Answer::Temperature), satTemperature67(p));
    EXPECT_EQ(callBackward(w, p, h, Given::Enthalpy, Answer::Quality), 1.0);
    const double hl = callPQProperty(w, p, 0.0, Property::Enthalpy) - 10.0;
    EXPECT_EQ(callBackward(w, p, hl, Given::Enthalpy, Answer::Quality), 0.0);
    const double s = callPQProperty(w, p, 1.0, Property::Entropy) + 0.01;
    EXPECT_EQ(callBackward(w, p, s, Given::Entropy, Answer::Quality), 1.0);
    const double sl = callPQProperty(w, p, 0.0, Property::Entropy) - 0.01;
    EXPECT_EQ(callBackward(w, p, sl, Given::Entropy, Answer::Quality), 0.0);
}

TEST(Calls67, TwoPhaseResultsComeFromTheQuality) {
    IFC67Working w = started();
    for (double p : {1.0, 100.0, 1000.0, 3100.0}) {
        const double hf = callPQProperty(w, p, 0.0, Property::Enthalpy);
        const double hg = callPQProperty(w, p, 1.0, Property::Enthalpy);
        const double h = hf + 0.25 * (hg - hf);
        const double x = callBackward(w, p, h, Given::Enthalpy, Answer::Quality);
        EXPECT_NEAR(x, 0.25, tiers67::kRoundoff) << p;
        EXPECT_DOUBLE_EQ(callBackward(w, p, h, Given::Enthalpy, Answer::Volume),
                         callPQProperty(w, p, x, Property::Volume));
        EXPECT_DOUBLE_EQ(callBackward(w, p, h, Given::Enthalpy, Answer::Other),
                         callPQProperty(w, p, x, Property::Entropy));
        const double sf = callPQProperty(w, p, 0.0, Property::Entropy);
        const double sg = callPQProperty(w, p, 1.0, Property::Entropy);
        const double s = sf + 0.75 * (sg - sf);
        const double xs = callBackward(w, p, s, Given::Entropy, Answer::Quality);
        EXPECT_NEAR(xs, 0.75, tiers67::kRoundoff) << p;
        EXPECT_DOUBLE_EQ(callBackward(w, p, s, Given::Entropy, Answer::Volume),
                         callPQProperty(w, p, xs, Property::Volume));
        EXPECT_DOUBLE_EQ(callBackward(w, p, s, Given::Entropy, Answer::Other),
                         callPQProperty(w, p, xs, Property::Enthalpy));
    }
}

TEST(Calls67, SinglePhaseResultsComeFromTheTemperature) {
    IFC67Working w = started();
    const struct {
        double p, t;
    } rows[] = {{100.0, 800.0}, {1000.0, 200.0}, {5000.0, 690.0}, {15000.0, 1200.0}, {3000.0, 710.0}};
    for (const auto& r : rows) {
        const double h = callPTProperty(w, r.p, r.t, Property::Enthalpy);
        const double t = callBackward(w, r.p, h, Given::Enthalpy, Answer::Temperature);
        EXPECT_DOUBLE_EQ(callBackward(w, r.p, h, Given::Enthalpy, Answer::Volume),
                         callPTProperty(w, r.p, t, Property::Volume));
        EXPECT_DOUBLE_EQ(callBackward(w, r.p, h, Given::Enthalpy, Answer::Other),
                         callPTProperty(w, r.p, t, Property::Entropy));
        const double s = callPTProperty(w, r.p, r.t, Property::Entropy);
        const double ts = callBackward(w, r.p, s, Given::Entropy, Answer::Temperature);
        EXPECT_DOUBLE_EQ(callBackward(w, r.p, s, Given::Entropy, Answer::Volume),
                         callPTProperty(w, r.p, ts, Property::Volume));
        EXPECT_DOUBLE_EQ(callBackward(w, r.p, s, Given::Entropy, Answer::Other),
                         callPTProperty(w, r.p, ts, Property::Enthalpy));
    }
}

// The saturated ends of the (p,x) calls are the liquid of subregion 1 (4 above the L line) and the
// vapour of subregion 2 (3 above it) at Ts.
TEST(Calls67, SaturatedEndsUseTheSubregionsOfTheLLine) {
    IFC67Working w = started();
    const double p = 2900.0, ts = satTemperature67(p);
    ASSERT_EQ(lineFlag67(p, ts), 1);
    setState67(w, p, ts);
    solveVolume34(w, p, ts, 4);
    const double h4 = property67(w, 4, Property::Enthalpy);
    setState67(w, p, ts);
    solveVolume34(w, p, ts, 3);
    const double h3 = property67(w, 3, Property::Enthalpy);
    EXPECT_DOUBLE_EQ(callPQProperty(w, p, 0.0, Property::Enthalpy), h4);
    EXPECT_DOUBLE_EQ(callPQProperty(w, p, 1.0, Property::Enthalpy), h3);
    const double p1 = 1000.0, ts1 = satTemperature67(p1);
    ASSERT_EQ(lineFlag67(p1, ts1), 0);
    setState67(w, p1, ts1);
    prepareSub1(w);
    EXPECT_DOUBLE_EQ(callPQProperty(w, p1, 0.0, Property::Enthalpy), property67(w, 1, Property::Enthalpy));
    setState67(w, p1, ts1);
    prepareSub2(w);
    EXPECT_DOUBLE_EQ(callPQProperty(w, p1, 1.0, Property::Enthalpy), property67(w, 2, Property::Enthalpy));
}

}  // namespace
