#include "steam_chart.h"

#include <algorithm>
#include <cmath>

#include "calvex_doc.h"
#include "display_format.h"
#include "input_pair.h"

namespace calvex {
namespace {

// Temperature steps of the isobars (K): the lines are smooth, and 5 K keeps a segment short on
// either chart.
constexpr double kIsobarStep = 5.0;
// Points of the saturation lines and of the quality lines, from the lowest temperature to the
// critical point.
constexpr int kSaturationPoints = 90;
// The isobars' lowest pressure (MPa): below 1 kPa the lines leave the chart's entropy range.
constexpr double kLowestIsobar = 6e-4;

int stepsOver(double from, double to) noexcept {
    return std::max(4, static_cast<int>(std::ceil((to - from) / kIsobarStep)));
}

// Temperatures from `low` to the critical temperature, closer together near the critical point,
// where the dome turns.
std::vector<double> saturationTemperatures(double low, double critical) {
    std::vector<double> t;
    t.reserve(kSaturationPoints + 1);
    for (int i = 0; i <= kSaturationPoints; ++i) {
        const double u = 1.0 - static_cast<double>(i) / kSaturationPoints;
        t.push_back(critical - (critical - low) * u * u);
    }
    return t;
}

void append(std::vector<ChartState>& line, const std::optional<ChartState>& s) {
    if (s) {
        line.push_back(*s);
    }
}

ChartLine isobar(ChartFormulation& f, double p) {
    ChartLine line{p, {}};
    const double low = f.lowestTemperature();
    const double top = kChartTopTemperature;
    const std::optional<double> ts = p < f.criticalPressure() ? f.saturationTemperature(p) : std::nullopt;
    if (!ts || *ts <= low) {
        // Above the critical pressure, or below the pressure of the lowest saturation
        // temperature: one single-phase line.
        const int n = stepsOver(low, top);
        for (int i = 0; i <= n; ++i) {
            append(line.states, f.atPT(p, low + (top - low) * i / n));
        }
        return line;
    }
    const int nl = stepsOver(low, *ts);
    for (int i = 0; i < nl; ++i) {
        append(line.states, f.atPT(p, low + (*ts - low) * i / nl));
    }
    // The wet segment: a straight line between the saturated states on both charts.
    append(line.states, f.atPX(p, 0.0));
    append(line.states, f.atPX(p, 1.0));
    const int nv = stepsOver(*ts, top);
    for (int i = 1; i <= nv; ++i) {
        append(line.states, f.atPT(p, *ts + (top - *ts) * i / nv));
    }
    return line;
}

}  // namespace

std::vector<double> isobarPressures(int pressureUnit, double lowest, double highest) {
    std::vector<double> out;
    for (int k = -7; k <= 9; ++k) {
        const double p = toInternal(std::pow(10.0, k), PropertyKind::Pressure, pressureUnit);
        if (p < lowest || p > highest || (!out.empty() && p < 3.0 * out.back())) {
            continue;
        }
        out.push_back(p);
    }
    return out;
}

SteamChartLines SteamChartLines::compute(bool ifc67, int pressureUnit) {
    SteamChartLines c;
    c.ifc67 = ifc67;
    c.pressureUnit = pressureUnit;
    const auto f = makeChartFormulation(ifc67);
    const std::vector<double> temperatures = saturationTemperatures(f->lowestTemperature(), f->criticalTemperature());
    for (const double T : temperatures) {
        append(c.liquidLine, f->atTX(T, 0.0));
        append(c.vapourLine, f->atTX(T, 1.0));
    }
    c.criticalPoint = f->atTX(f->criticalTemperature(), 0.0);
    for (const double x : kChartQualities) {
        ChartLine line{x, {}};
        for (const double T : temperatures) {
            append(line.states, f->atTX(T, x));
        }
        c.qualityLines.push_back(std::move(line));
    }
    for (const double p :
         isobarPressures(pressureUnit, std::max(kLowestIsobar, f->lowestPressure()), f->highestPressure())) {
        c.isobars.push_back(isobar(*f, p));
    }
    return c;
}

const SteamChartLines& SteamChartCache::lines(bool ifc67, int pressureUnit) {
    if (!lines_ || lines_->ifc67 != ifc67 || lines_->pressureUnit != pressureUnit) {
        lines_ = SteamChartLines::compute(ifc67, pressureUnit);
    }
    return *lines_;
}

std::optional<ChartMarker> chartMarker(double T, double s, double h, const std::string& label) {
    for (const double v : {T, s, h}) {
        if (!std::isfinite(v) || !isPropertyValue(v)) {
            return std::nullopt;
        }
    }
    return ChartMarker{ChartState{T, s, h}, label};
}

std::optional<ChartExpansion> chartExpansion(const ExpansionPath& path) {
    const auto start = chartMarker(path.start.T, path.start.s, path.start.h, kExpansionStartLabel);
    const auto end = chartMarker(path.end.T, path.end.s, path.end.h, kExpansionEndLabel);
    if (!start || !end) {
        return std::nullopt;
    }
    ChartExpansion e{*start, *end, std::nullopt};
    if (const auto s = makeChartFormulation(path.ifc67)->atPS(path.p2, path.start.s)) {
        e.isentropicEnd = chartMarker(s->T, s->s, s->h, kExpansionIsentropicLabel);
    }
    return e;
}

SteamChartScene buildChartScene(const CCalvexDoc& doc, const PropertyFormats& formats, bool ifc67,
                                const std::optional<ExpansionPath>& expansion) {
    SteamChartScene scene;
    scene.title = doc.GetTitle();
    scene.ifc67 = ifc67;
    scene.formats = formats;
    const CStatePoint& cur = doc.CurrentPoint();
    if (cur.value(kVolume) > 0.0) {
        scene.current = chartMarker(cur.value(kTemperature), cur.value(kEntropy), cur.value(kEnthalpy), cur.label());
    }
    for (int i = 0; i < doc.GetStoredCount(); ++i) {
        const CStatePoint* p = doc.StoredPoint(i);
        if (auto m = chartMarker(p->value(kTemperature), p->value(kEntropy), p->value(kEnthalpy), p->label())) {
            scene.stored.push_back(std::move(*m));
        }
    }
    if (expansion) {
        scene.expansion = chartExpansion(*expansion);
    }
    return scene;
}

}  // namespace calvex
