#include "steam_chart_painter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calvex {
namespace {

// Colours and strokes of the charts (on white paper, on screen as in print).
constexpr ChartColor kPaper{255, 255, 255};
constexpr ChartColor kInk{0, 0, 0};
constexpr ChartColor kGrid{225, 225, 225};
constexpr ChartColor kAxisText{60, 60, 60};
constexpr ChartColor kIsobar{40, 90, 190};
constexpr ChartColor kQuality{150, 150, 150};
constexpr ChartColor kStored{205, 110, 0};
constexpr ChartColor kCurrent{215, 30, 30};
constexpr ChartColor kExpansion{130, 40, 160};

constexpr ChartFont kTitleFont{15.0, true};
constexpr ChartFont kPanelFont{13.0, true};
constexpr ChartFont kAxisFont{12.0, false};
constexpr ChartFont kTickFont{11.0, false};
constexpr ChartFont kLabelFont{11.0, false};
constexpr ChartFont kSmallFont{10.0, false};

// Space around a plot inside its panel, and the title line's height.
constexpr double kHeaderHeight = 34.0;
constexpr double kMarginLeft = 64.0;
constexpr double kMarginRight = 18.0;
constexpr double kMarginTop = 28.0;
constexpr double kMarginBottom = 46.0;

struct Extent {
    double xmin = std::numeric_limits<double>::infinity();
    double xmax = -std::numeric_limits<double>::infinity();
    double ymin = std::numeric_limits<double>::infinity();
    double ymax = -std::numeric_limits<double>::infinity();

    void add(const ChartValues& v) {
        if (!std::isfinite(v.x) || !std::isfinite(v.y)) {
            return;
        }
        xmin = std::min(xmin, v.x);
        xmax = std::max(xmax, v.x);
        ymin = std::min(ymin, v.y);
        ymax = std::max(ymax, v.y);
    }
};

std::vector<const ChartMarker*> sceneMarkers(const SteamChartScene& scene) {
    std::vector<const ChartMarker*> m;
    for (const ChartMarker& s : scene.stored) {
        m.push_back(&s);
    }
    if (scene.current) {
        m.push_back(&*scene.current);
    }
    if (scene.expansion) {
        m.push_back(&scene.expansion->start);
        m.push_back(&scene.expansion->end);
        if (scene.expansion->isentropicEnd) {
            m.push_back(&*scene.expansion->isentropicEnd);
        }
    }
    return m;
}

ChartMapping mappingFor(ChartKind kind, const CanvasRect& panel, const SteamChartLines& lines,
                        const SteamChartScene& scene) {
    Extent e;
    const auto addLine = [&](const std::vector<ChartState>& states) {
        for (const ChartState& s : states) {
            e.add(chartValues(kind, s, scene.formats));
        }
    };
    addLine(lines.liquidLine);
    addLine(lines.vapourLine);
    for (const ChartLine& l : lines.isobars) {
        addLine(l.states);
    }
    for (const ChartMarker* m : sceneMarkers(scene)) {
        e.add(chartValues(kind, m->state, scene.formats));
    }
    if (!std::isfinite(e.xmin)) {
        e = Extent{0.0, 1.0, 0.0, 1.0};
    }
    ChartMapping m;
    m.plot = {panel.x + kMarginLeft,
              panel.y + kMarginTop,
              std::max(10.0, panel.w - kMarginLeft - kMarginRight),
              std::max(10.0, panel.h - kMarginTop - kMarginBottom)};
    m.x = niceAxis(e.xmin, e.xmax, 6);
    m.y = niceAxis(e.ymin, e.ymax, 8);
    return m;
}

std::vector<CanvasPoint> mapped(ChartKind kind, const ChartMapping& m, const std::vector<ChartState>& states,
                                const PropertyFormats& formats) {
    std::vector<CanvasPoint> pts;
    pts.reserve(states.size());
    for (const ChartState& s : states) {
        const ChartValues v = chartValues(kind, s, formats);
        pts.push_back(m.map(v.x, v.y));
    }
    return pts;
}

bool inside(const CanvasRect& r, CanvasPoint p) {
    constexpr double kTolerance = 0.5;
    return p.x >= r.x - kTolerance && p.x <= r.x + r.w + kTolerance && p.y >= r.y - kTolerance &&
           p.y <= r.y + r.h + kTolerance;
}

void drawAxes(ChartCanvas& c, ChartKind kind, const CanvasRect& panel, const ChartMapping& m,
              const PropertyFormats& formats) {
    const CanvasRect& p = m.plot;
    for (const double t : axisTicks(m.x)) {
        const CanvasPoint a = m.map(t, m.y.lo);
        c.polyline({{a.x, p.y}, {a.x, p.y + p.h}}, {kGrid, 1.0, false});
        c.polyline({{a.x, p.y + p.h}, {a.x, p.y + p.h + 4}}, {kInk, 1.0, false});
        c.text({a.x, p.y + p.h + 16}, tickText(t, m.x.step), kTickFont, kAxisText, TextAnchor::Middle);
    }
    for (const double t : axisTicks(m.y)) {
        const CanvasPoint a = m.map(m.x.lo, t);
        c.polyline({{p.x, a.y}, {p.x + p.w, a.y}}, {kGrid, 1.0, false});
        c.polyline({{p.x - 4, a.y}, {p.x, a.y}}, {kInk, 1.0, false});
        c.text({p.x - 6, a.y + 4}, tickText(t, m.y.step), kTickFont, kAxisText, TextAnchor::End);
    }
    c.rectangle(p, {kInk, 1.0, false});
    c.text({p.x + p.w / 2, p.y + p.h + 36}, xAxisTitle(formats), kAxisFont, kInk, TextAnchor::Middle);
    c.text({panel.x + 15, p.y + p.h / 2}, yAxisTitle(kind, formats), kAxisFont, kInk, TextAnchor::Middle, true);
    c.text({p.x + p.w / 2, panel.y + 19},
           kind == ChartKind::TemperatureEntropy ? "T-s diagram" : "h-s diagram (Mollier)",
           kPanelFont,
           kInk,
           TextAnchor::Middle);
}

// An isobar's label at its last point inside the plot (its high-temperature end), kept inside;
// every other label a line lower, so that neighbours ending at the same height do not overlap.
void labelIsobar(ChartCanvas& c, const ChartMapping& m, const std::vector<CanvasPoint>& pts, const std::string& text,
                 bool lower) {
    for (auto it = pts.rbegin(); it != pts.rend(); ++it) {
        if (inside(m.plot, *it)) {
            const double y = std::max(it->y - 4, m.plot.y + 12) + (lower ? 12.0 : 0.0);
            c.text({std::min(it->x, m.plot.x + m.plot.w) - 3, y}, text, kSmallFont, kIsobar, TextAnchor::End);
            return;
        }
    }
}

// A point and its label, up and to the right of it (to the left when `labelLeft`).
void drawMarker(ChartCanvas& c, ChartKind kind, const ChartMapping& m, const ChartMarker& marker,
                const PropertyFormats& formats, ChartColor color, bool filled, bool labelLeft = false) {
    const ChartValues v = chartValues(kind, marker.state, formats);
    const CanvasPoint p = m.map(v.x, v.y);
    c.circle(p, filled ? 4.5 : 4.0, {color, 1.6, false}, filled ? &color : &kPaper);
    if (!marker.label.empty()) {
        c.text({labelLeft ? p.x - 7 : p.x + 7, p.y - 6},
               marker.label,
               ChartFont{kLabelFont.size, filled},
               color,
               labelLeft ? TextAnchor::End : TextAnchor::Start);
    }
}

void drawExpansion(ChartCanvas& c, ChartKind kind, const ChartMapping& m, const ChartExpansion& e,
                   const PropertyFormats& formats) {
    const auto at = [&](const ChartMarker& mk) {
        const ChartValues v = chartValues(kind, mk.state, formats);
        return m.map(v.x, v.y);
    };
    if (e.isentropicEnd) {
        c.polyline({at(e.start), at(*e.isentropicEnd)}, {kExpansion, 1.5, true});
    }
    c.polyline({at(e.start), at(e.end)}, {kExpansion, 2.0, false});
    // The start is usually the current point, whose label stands on the right.
    drawMarker(c, kind, m, e.start, formats, kExpansion, true, true);
    drawMarker(c, kind, m, e.end, formats, kExpansion, true);
    if (e.isentropicEnd) {
        drawMarker(c, kind, m, *e.isentropicEnd, formats, kExpansion, false, true);
    }
}

void drawChart(ChartCanvas& c, ChartKind kind, const CanvasRect& panel, const ChartMapping& m,
               const SteamChartLines& lines, const SteamChartScene& scene) {
    const PropertyFormats& f = scene.formats;
    drawAxes(c, kind, panel, m, f);
    c.clip(&m.plot);
    if (kind == ChartKind::EnthalpyEntropy) {
        for (const ChartLine& q : lines.qualityLines) {
            c.polyline(mapped(kind, m, q.states, f), {kQuality, 0.8, true});
        }
    }
    std::vector<std::vector<CanvasPoint>> isobars;
    for (const ChartLine& l : lines.isobars) {
        isobars.push_back(mapped(kind, m, l.states, f));
        c.polyline(isobars.back(), {kIsobar, 1.0, false});
    }
    c.polyline(mapped(kind, m, lines.liquidLine, f), {kInk, 1.8, false});
    c.polyline(mapped(kind, m, lines.vapourLine, f), {kInk, 1.8, false});
    c.clip(nullptr);

    // Labels go on top of the lines, inside the plot.
    if (kind == ChartKind::EnthalpyEntropy) {
        for (const ChartLine& q : lines.qualityLines) {
            const auto pts = mapped(kind, m, q.states, f);
            if (!pts.empty() && inside(m.plot, pts.front())) {
                c.text({pts.front().x + 2, std::min(pts.front().y, m.plot.y + m.plot.h) - 4},
                       "x=" + shortNumber(q.value),
                       kSmallFont,
                       kQuality,
                       TextAnchor::Start);
            }
        }
    }
    for (std::size_t i = 0; i < lines.isobars.size(); ++i) {
        labelIsobar(c, m, isobars[i], isobarLabel(lines.isobars[i].value, f), i % 2 == 1);
    }
    if (lines.criticalPoint) {
        const ChartValues v = chartValues(kind, *lines.criticalPoint, f);
        const CanvasPoint p = m.map(v.x, v.y);
        c.circle(p, 3.0, {kInk, 1.0, false}, &kInk);
        c.text({p.x - 5, p.y - 6}, "critical point", kSmallFont, kInk, TextAnchor::End);
    }
    for (const ChartMarker& s : scene.stored) {
        drawMarker(c, kind, m, s, f, kStored, false);
    }
    if (scene.expansion) {
        drawExpansion(c, kind, m, *scene.expansion, f);
    }
    if (scene.current) {
        drawMarker(c, kind, m, *scene.current, f, kCurrent, true);
    }
}

// The key at the right of the title line.
void drawKey(ChartCanvas& c, double right, double y) {
    struct Item {
        const char* text;
        ChartColor color;
        bool filled;
    };
    const Item items[] = {{"current point", kCurrent, true},
                          {"stored points", kStored, false},
                          {"expansion 1-2, isentropic 1-2s", kExpansion, true}};
    // Widths are estimated from the font size: the key only needs to stay clear of the title.
    double x = right;
    for (auto it = std::rbegin(items); it != std::rend(items); ++it) {
        x -= 0.56 * kSmallFont.size * static_cast<double>(std::char_traits<char>::length(it->text));
        c.text({x, y}, it->text, kSmallFont, kAxisText, TextAnchor::Start);
        c.circle({x - 8, y - 3.5}, 3.5, {it->color, 1.5, false}, it->filled ? &it->color : &kPaper);
        x -= 28;
    }
}

}  // namespace

std::string chartTitle(const SteamChartScene& scene) {
    return "Caldora Chart - " + scene.title + (scene.ifc67 ? " - IFC-67" : " - IF97");
}

SteamChartLayout layoutSteamCharts(double width, double height, const SteamChartLines& lines,
                                   const SteamChartScene& scene) {
    SteamChartLayout l;
    const double body = std::max(20.0, height - kHeaderHeight);
    if (width >= 1.3 * height) {
        l.panels[0] = {0, kHeaderHeight, width / 2, body};
        l.panels[1] = {width / 2, kHeaderHeight, width / 2, body};
    } else {
        l.panels[0] = {0, kHeaderHeight, width, body / 2};
        l.panels[1] = {0, kHeaderHeight + body / 2, width, body / 2};
    }
    for (std::size_t i = 0; i < 2; ++i) {
        l.mappings[i] = mappingFor(l.kinds[i], l.panels[i], lines, scene);
    }
    return l;
}

void paintSteamCharts(ChartCanvas& canvas, double width, double height, const SteamChartLines& lines,
                      const SteamChartScene& scene) {
    canvas.fill({0, 0, width, height}, kPaper);
    canvas.text({12, 23}, chartTitle(scene), kTitleFont, kInk, TextAnchor::Start);
    if (width >= 700) {
        drawKey(canvas, width - 14, 22);
    }
    const SteamChartLayout l = layoutSteamCharts(width, height, lines, scene);
    for (std::size_t i = 0; i < 2; ++i) {
        drawChart(canvas, l.kinds[i], l.panels[i], l.mappings[i], lines, scene);
    }
}

}  // namespace calvex
