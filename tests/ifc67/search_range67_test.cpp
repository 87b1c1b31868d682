// The (p,h) and (p,s) calls refuse an enthalpy or entropy that lies beyond the 30 F or the 1600 F
// isotherm: the search converges there to a temperature outside the formulation's range (down to
// 5 F and up to 1609 F), which used to be returned as a result.
#include <gtest/gtest.h>

#include <cmath>

#include "calls67.h"
#include "constants67.h"

namespace {

using namespace ifc67;

IFC67Working started() {
    IFC67Working w;
    startWorking67(w);
    return w;
}

constexpr Answer kAnswers[] = {Answer::Temperature, Answer::Quality, Answer::Volume, Answer::Other};

// Found by the vaprop32 fuzz target through the IFC-67 route: StmPHT(5043 psig, 10 Btu/lb, EngG + 1967)
// gave 26.9 F.
TEST(SearchRange67, CompressedLiquidBelowThe30FIsothermIsRefused) {
    IFC67Working w = started();
    for (Answer a : kAnswers) EXPECT_EQ(callBackward(w, 5043.0 + 14.6959488, 10.0, Given::Enthalpy, a), kOutOfRange);
}

TEST(SearchRange67, StatesBeyondEitherLimitIsothermAreRefused) {
    IFC67Working w = started();
    for (double p : {1.0, 100.0, 3000.0, 8000.0, 15700.0}) {
        const double h30 = callPTProperty(w, p, kTMin, Property::Enthalpy);
        const double s30 = callPTProperty(w, p, kTMin, Property::Entropy);
        const double h1600 = callPTProperty(w, p, kTMax, Property::Enthalpy);
        const double s1600 = callPTProperty(w, p, kTMax, Property::Entropy);
        for (Answer a : kAnswers) {
            EXPECT_EQ(callBackward(w, p, h30 - 1.0, Given::Enthalpy, a), kOutOfRange) << p;
            EXPECT_EQ(callBackward(w, p, s30 - 0.003, Given::Entropy, a), kOutOfRange) << p;
            EXPECT_EQ(callBackward(w, p, h1600 + 1.0, Given::Enthalpy, a), kOutOfRange) << p;
            EXPECT_EQ(callBackward(w, p, s1600 + 0.001, Given::Entropy, a), kOutOfRange) << p;
        }
    }
}

// The limit isotherms themselves stay inside: the searches return them within their tolerances.
TEST(SearchRange67, TheLimitIsothermsThemselvesAreAnswered) {
    IFC67Working w = started();
    for (double p : {1.0, 100.0, 3000.0, 8000.0, 15700.0}) {
        for (double t : {kTMin, kTMin + 0.5, kTMax - 0.5, kTMax}) {
            const double h = callPTProperty(w, p, t, Property::Enthalpy);
            const double s = callPTProperty(w, p, t, Property::Entropy);
            EXPECT_NEAR(callBackward(w, p, h, Given::Enthalpy, Answer::Temperature), t, 1e-3) << p << " " << t;
            EXPECT_NEAR(callBackward(w, p, s, Given::Entropy, Answer::Temperature), t, 1e-2) << p << " " << t;
        }
    }
}

}  // namespace
