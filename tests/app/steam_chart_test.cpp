// The steam charts' data without a window: the saturation dome, the isobars and the lines of
// constant quality against the core and vaprop67 called directly, the isobars' pressures, the
// points of a document and of an expansion, and the axes (round ticks, units, labels).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calvex_doc.h"
#include "chart_axes.h"
#include "if97_state.h"
#include "properties.h"
#include "saturation.h"
#include "steam_chart.h"
#include "vaprop67.h"

namespace calvex {
namespace {

constexpr int kMaskTHS = if97::kMaskT | if97::kMaskH | if97::kMaskS;
// Tolerance tiers (relative).
constexpr double kSameCall = 0.0;         // the chart holds the core's own result
constexpr double kUnitRoundTrip = 1e-10;  // a library state at a temperature through deg F and back

void expectState(const ChartState& got, double T, double s, double h, double tol, const std::string& what) {
    EXPECT_NEAR(got.T, T, std::fabs(T) * tol) << what;
    EXPECT_NEAR(got.s, s, std::fabs(s) * tol) << what;
    EXPECT_NEAR(got.h, h, std::fabs(h) * tol) << what;
}

// IF97: every point of the dome is the core's saturated liquid or vapour at its temperature,
// the temperatures rise to the critical point, where both lines meet.
TEST(SteamChartLines, If97DomeIsTheCoresSaturationLine) {
    const SteamChartLines c = SteamChartLines::compute(false, 0);
    ASSERT_GT(c.liquidLine.size(), 50u);
    ASSERT_EQ(c.liquidLine.size(), c.vapourLine.size());
    if97::IF97State st;
    for (std::size_t i = 0; i < c.liquidLine.size(); ++i) {
        const std::string at = "point " + std::to_string(i);
        const double T = c.liquidLine[i].T;
        EXPECT_EQ(c.vapourLine[i].T, T) << at;
        if (i > 0) {
            EXPECT_GT(T, c.liquidLine[i - 1].T) << at;
        }
        st.computeTX(T, 0.0, kMaskTHS);
        ASSERT_EQ(st.status(), 0) << at;
        expectState(c.liquidLine[i], T, st.entropy(), st.enthalpy(), kSameCall, at + " liquid");
        st.computeTX(T, 1.0, kMaskTHS);
        expectState(c.vapourLine[i], T, st.entropy(), st.enthalpy(), kSameCall, at + " vapour");
        // The saturation line itself: the state at Ts(ps(T)) is the same temperature.
        EXPECT_NEAR(if97::saturationTemperature(if97::saturationPressure(T)), T, 1e-9) << at;
    }
    EXPECT_EQ(c.liquidLine.front().T, 273.15);
    EXPECT_EQ(c.liquidLine.back().T, if97::kTc);
    ASSERT_TRUE(c.criticalPoint.has_value());
    EXPECT_EQ(c.criticalPoint->T, if97::kTc);
    EXPECT_NEAR(c.liquidLine.back().s, c.vapourLine.back().s, 1e-6);
    EXPECT_NEAR(c.liquidLine.back().h, c.vapourLine.back().h, 1e-4);
}

// IFC-67: the dome is vaprop67's saturated states in English units, converted as the form's boxes
// convert unit 1.
TEST(SteamChartLines, Ifc67DomeIsTheLibrarysSaturationLine) {
    const SteamChartLines c = SteamChartLines::compute(true, 1);
    ASSERT_GT(c.liquidLine.size(), 50u);
    for (std::size_t i = 0; i < c.liquidLine.size(); ++i) {
        const std::string at = "point " + std::to_string(i);
        const double tF = c.liquidLine[i].T / 0.5555555555555556 - 459.67;
        expectState(c.liquidLine[i],
                    c.liquidLine[i].T,
                    Stm67TQS(tF, 0.0) * 4.1868,
                    Stm67TQH(tF, 0.0) * 2.326,
                    kUnitRoundTrip,
                    at + " liquid");
        expectState(c.vapourLine[i],
                    c.vapourLine[i].T,
                    Stm67TQS(tF, 1.0) * 4.1868,
                    Stm67TQH(tF, 1.0) * 2.326,
                    kUnitRoundTrip,
                    at + " vapour");
    }
    EXPECT_NEAR(c.liquidLine.back().T, (705.47 + 459.67) * 0.5555555555555556, 1e-9);
    EXPECT_NEAR(c.liquidLine.front().T, 273.15, 1e-9);
}

TEST(SteamChartLines, If97IsobarsAreTheCoresStates) {
    const SteamChartLines c = SteamChartLines::compute(false, 0);
    ASSERT_EQ(c.isobars.size(), 6u);  // 0.001 to 100 MPa
    if97::IF97State st;
    for (const ChartLine& line : c.isobars) {
        const double p = line.value;
        const std::string at = std::to_string(p) + " MPa";
        ASSERT_GT(line.states.size(), 100u) << at;
        EXPECT_EQ(line.states.front().T, 273.15) << at;
        EXPECT_NEAR(line.states.back().T, kChartTopTemperature, 1e-9) << at;
        bool wet = false;
        for (std::size_t i = 0; i < line.states.size(); ++i) {
            const ChartState& s = line.states[i];
            if (i > 0 && s.T == line.states[i - 1].T) {
                // The wet segment: saturated liquid, then saturated vapour at the same temperature.
                wet = true;
                EXPECT_LT(p, if97::kPc) << at;
                EXPECT_NEAR(s.T, if97::saturationTemperature(p), 1e-9) << at;
                st.computePX(p, 0.0, kMaskTHS);
                expectState(line.states[i - 1], s.T, st.entropy(), st.enthalpy(), kSameCall, at + " liquid end");
                st.computePX(p, 1.0, kMaskTHS);
                expectState(s, s.T, st.entropy(), st.enthalpy(), kSameCall, at + " vapour end");
                continue;
            }
            if (i > 0) {
                EXPECT_GT(s.T, line.states[i - 1].T) << at;
                EXPECT_GT(s.s, line.states[i - 1].s) << at;  // entropy rises with T along an isobar
            }
            if (i + 1 < line.states.size() && line.states[i + 1].T == s.T) {
                continue;  // the saturated liquid, checked with its partner
            }
            st.computePT(p, s.T, kMaskTHS);
            ASSERT_EQ(st.status(), 0) << at << " T " << s.T;
            expectState(s, s.T, st.entropy(), st.enthalpy(), kSameCall, at);
        }
        EXPECT_EQ(wet, p < if97::kPc) << at;
    }
}

TEST(SteamChartLines, QualityLinesAreTheCoresWetStates) {
    for (const bool ifc67 : {false, true}) {
        const SteamChartLines c = SteamChartLines::compute(ifc67, 0);
        ASSERT_EQ(c.qualityLines.size(), kChartQualities.size());
        if97::IF97State st;
        for (const ChartLine& q : c.qualityLines) {
            ASSERT_EQ(q.states.size(), c.liquidLine.size());
            for (std::size_t i = 0; i < q.states.size(); ++i) {
                // On both charts a wet state lies on the straight line between its saturated
                // states, at the fraction x of the way.
                const ChartState& l = c.liquidLine[i];
                const ChartState& v = c.vapourLine[i];
                EXPECT_NEAR(q.states[i].s, l.s + q.value * (v.s - l.s), 1e-9) << q.value;
                EXPECT_NEAR(q.states[i].h, l.h + q.value * (v.h - l.h), 1e-6) << q.value;
                if (!ifc67) {
                    st.computeTX(q.states[i].T, q.value, kMaskTHS);
                    EXPECT_EQ(q.states[i].s, st.entropy());
                    EXPECT_EQ(q.states[i].h, st.enthalpy());
                }
            }
        }
    }
}

TEST(SteamChartLines, IsobarPressuresAreRoundInTheFormsUnit) {
    struct Row {
        int unit;
        std::vector<double> shown;  // the isobars in that unit
    };
    const Row rows[] = {
        {0, {0.001, 0.01, 0.1, 1, 10, 100}},  // MPa
        {1, {0.1, 1, 10, 100, 1000, 10000}},  // psia
        {5, {0.01, 0.1, 1, 10, 100, 1000}},   // Bar
        {4, {0.01, 0.1, 1, 10, 100}},         // Atm (1000 Atm is above 100 MPa)
        {2, {1e-7, 100, 1000, 10000}},        // psig: 14.7 psia, then spread at least 3x
    };
    for (const Row& row : rows) {
        const std::vector<double> p = isobarPressures(row.unit, 6e-4, 100.0);
        ASSERT_EQ(p.size(), row.shown.size()) << row.unit;
        for (std::size_t i = 0; i < p.size(); ++i) {
            EXPECT_NEAR(
                fromInternal(p[i], PropertyKind::Pressure, row.unit), row.shown[i], std::max(1.0, row.shown[i]) * 1e-9)
                << row.unit << " " << i;
            if (i > 0) {
                EXPECT_GE(p[i], 3.0 * p[i - 1]);
            }
        }
    }
}

TEST(SteamChartCache, ComputesAgainOnlyForAnotherFormulationOrPressureUnit) {
    SteamChartCache cache;
    const SteamChartLines& a = cache.lines(false, 0);
    const double first = a.isobars.front().value;
    const SteamChartLines& b = cache.lines(false, 0);
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(b.isobars.front().value, first);
    EXPECT_FALSE(cache.lines(true, 0).liquidLine == std::vector<ChartState>{});
    EXPECT_TRUE(cache.lines(true, 0).ifc67);
    EXPECT_NEAR(fromInternal(cache.lines(true, 1).isobars.front().value, PropertyKind::Pressure, 1), 0.1, 1e-12);
}

// ---------------------------------------------------------------------------------------------
// Points

CStatePoint point(double T, double s, double h, double v, const std::string& label) {
    CStatePoint p;
    p.setValue(kTemperature, T);
    p.setValue(kEntropy, s);
    p.setValue(kEnthalpy, h);
    p.setValue(kVolume, v);
    p.setLabel(label);
    return p;
}

TEST(SteamChartScene, PointsOfTheDocument) {
    CCalvexDoc doc;
    EXPECT_FALSE(buildChartScene(doc, documentFormats(doc), false, std::nullopt).current.has_value());  // not computed
    doc.CurrentPoint() = point(500.0, 6.5, 2900.0, 0.2, "A");
    doc.StoreCurrentPoint();
    doc.CurrentPoint() = point(-2.0, -2.0, -2.0, -2.0, "refused");  // codes of a failed computation
    doc.StoreCurrentPoint();
    doc.CurrentPoint() = point(400.0, std::nan(""), 100.0, 0.001, "nan");
    doc.StoreCurrentPoint();
    doc.CurrentPoint() = point(373.15, 1.3, 419.0, 0.001, "Now");
    const SteamChartScene s = buildChartScene(doc, documentFormats(doc), true, std::nullopt);
    ASSERT_TRUE(s.current.has_value());
    EXPECT_EQ(s.current->label, "Now");
    EXPECT_EQ(s.current->state, (ChartState{373.15, 1.3, 419.0}));
    ASSERT_EQ(s.stored.size(), 1u);  // the points without a state are left off
    EXPECT_EQ(s.stored[0].label, "A");
    EXPECT_TRUE(s.ifc67);
    EXPECT_EQ(s.title, "Untitled");
    EXPECT_FALSE(s.expansion.has_value());
}

TEST(SteamChartScene, ExpansionEndsOnTheIsentrope) {
    // 10 MPa, 800 K to 0.1 MPa: the isentropic end is the state at 0.1 MPa and the start's entropy.
    for (const bool ifc67 : {false, true}) {
        if97::IF97State st;
        st.computePT(10.0, 800.0, 255);
        ExpansionPath path{10.0, {800.0, st.entropy(), st.enthalpy()}, 0.1, {400.0, 7.5, 2700.0}, ifc67};
        const auto e = chartExpansion(path);
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->start.label, kExpansionStartLabel);
        EXPECT_EQ(e->end.label, kExpansionEndLabel);
        ASSERT_TRUE(e->isentropicEnd.has_value());
        EXPECT_EQ(e->isentropicEnd->label, kExpansionIsentropicLabel);
        if (ifc67) {
            const double sl = st.entropy() / 4.1868;
            const double pl = 0.1 / 0.00689475729;
            EXPECT_NEAR(e->isentropicEnd->state.h, Stm67PSH(pl, sl) * 2.326, 1e-9);
            EXPECT_NEAR(e->isentropicEnd->state.s, st.entropy(), 1e-12);
        } else {
            if97::IF97State end;
            end.computePS(0.1, st.entropy(), kMaskTHS, 0);
            EXPECT_EQ(e->isentropicEnd->state, (ChartState{end.temperature(), end.entropy(), end.enthalpy()}));
            EXPECT_NEAR(e->isentropicEnd->state.s, st.entropy(), 1e-9);
        }
        path.end.T = NotAvailableMarker;  // an end state that failed: no expansion on the chart
        EXPECT_FALSE(chartExpansion(path).has_value());
    }
}

// ---------------------------------------------------------------------------------------------
// Axes

TEST(ChartAxes, RoundTicks) {
    struct Row {
        double min, max;
        int ticks;
        double lo, hi, step;
    };
    const Row rows[] = {
        {273.15, 1073.15, 8, 200, 1100, 100},
        {0, 4160, 8, 0, 4500, 500},
        {-0.0001, 11.7, 6, 0, 12, 2},     // a liquid's entropy just below 0 does not open a step
        {32.0, 1472.0, 8, 0, 1600, 200},  // deg F
        {0.0, 2.8, 6, 0, 3.0, 0.5},       // Btu/lb/F
        {5.0, 5.0, 6, 5.0, 6.0, 0.2},     // one value: a unit wide
    };
    for (const Row& r : rows) {
        const AxisRange a = niceAxis(r.min, r.max, r.ticks);
        EXPECT_NEAR(a.lo, r.lo, 1e-9) << r.min << " " << r.max;
        EXPECT_NEAR(a.hi, r.hi, 1e-9) << r.min << " " << r.max;
        EXPECT_NEAR(a.step, r.step, 1e-12) << r.min << " " << r.max;
        EXPECT_LE(a.lo, r.min + 0.01 * a.step);
        EXPECT_GE(a.hi, r.max - 0.01 * a.step);
    }
    EXPECT_EQ(axisTicks({0, 1.5, 0.5}).size(), 4u);
    EXPECT_EQ(tickText(0.30000000000000004, 0.1), "0.3");
    EXPECT_EQ(tickText(1250, 250), "1250");
    EXPECT_EQ(tickText(2.5, 2.5), "2.5");
    EXPECT_EQ(tickText(-0.0, 0.5), "0.0");
}

TEST(ChartAxes, ValuesTitlesAndLabelsInTheFormsUnits) {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = propertyKind(p);
    }
    const ChartState water{373.15, 1.3069, 419.1};
    ChartValues v = chartValues(ChartKind::TemperatureEntropy, water, f);
    EXPECT_EQ(v.x, 1.3069);
    EXPECT_EQ(v.y, 373.15);
    f.formats[kTemperature] = makeFormat(2, 0, 3);  // deg C
    f.formats[kEntropy] = makeFormat(5, 0, 1);      // Btu/lb/F
    f.formats[kEnthalpy] = makeFormat(2, 0, 1);     // Btu/lb
    f.formats[kPressure] = makeFormat(2, 0, 1);     // psia
    v = chartValues(ChartKind::TemperatureEntropy, water, f);
    EXPECT_NEAR(v.x, 1.3069 / 4.1868, 1e-15);
    EXPECT_NEAR(v.y, 100.0, 1e-12);
    v = chartValues(ChartKind::EnthalpyEntropy, water, f);
    EXPECT_NEAR(v.y, 419.1 / 2.326, 1e-12);
    EXPECT_EQ(xAxisTitle(f), "Entropy - Btu/lb/F");
    EXPECT_EQ(yAxisTitle(ChartKind::TemperatureEntropy, f), "Temperature - deg C");
    EXPECT_EQ(yAxisTitle(ChartKind::EnthalpyEntropy, f), "Enthalpy - Btu/lb");
    EXPECT_EQ(isobarLabel(toInternal(1000.0, PropertyKind::Pressure, 1), f), "1000 psia");
    f.formats[kPressure] = 0;
    EXPECT_EQ(isobarLabel(0.001, f), "0.001 MPa");
    EXPECT_EQ(isobarLabel(100.0, f), "100 MPa");

    const ChartMapping m{{10, 20, 200, 100}, {0, 10, 2}, {200, 1200, 100}};
    EXPECT_NEAR(m.map(0, 200).x, 10, 1e-12);
    EXPECT_NEAR(m.map(0, 200).y, 120, 1e-12);  // the lowest value at the bottom
    EXPECT_NEAR(m.map(10, 1200).x, 210, 1e-12);
    EXPECT_NEAR(m.map(10, 1200).y, 20, 1e-12);
    EXPECT_NEAR(m.map(5, 700).x, 110, 1e-12);
}

}  // namespace
}  // namespace calvex
