// The one paint routine of the steam charts: the T-s diagram and the h-s (Mollier) diagram of a
// scene, side by side on a wide canvas and one above the other on a tall one, under a title
// line. It draws through ChartCanvas, so the screen, a PNG picture, a PDF, the printer and an SVG
// file all show the same drawing.
//
// Each diagram: the axes in the form's units with round ticks and a light grid, the lines of
// constant quality (h-s only, grey, dashed), the labelled isobars (blue), the saturation dome
// and the critical point (black), the stored points (orange rings) and the current point (red
// dot) with their labels, and the last expansion: the start 1 joined to the actual end 2 (solid)
// and to the isentropic end 2s (dashed), in purple.
#pragma once

#include <array>

#include "chart_axes.h"
#include "chart_canvas.h"
#include "steam_chart.h"

namespace calvex {

// The default size of a chart picture (pixels at 96 dpi).
inline constexpr double kChartWidth = 1200.0;
inline constexpr double kChartHeight = 560.0;

struct SteamChartLayout {
    std::array<ChartKind, 2> kinds{ChartKind::TemperatureEntropy, ChartKind::EnthalpyEntropy};
    std::array<CanvasRect, 2> panels{};
    std::array<ChartMapping, 2> mappings{};
};

// Where the two diagrams go on a canvas of `width` x `height`, and their axes, which take in
// every line and every point of the scene.
SteamChartLayout layoutSteamCharts(double width, double height, const SteamChartLines& lines,
                                   const SteamChartScene& scene);

// Draws the charts of `scene` on `canvas`, which is `width` x `height`.
void paintSteamCharts(ChartCanvas& canvas, double width, double height, const SteamChartLines& lines,
                      const SteamChartScene& scene);

// The title line: "Caldora Chart - " and the document's title, then the formulation.
std::string chartTitle(const SteamChartScene& scene);

}  // namespace calvex
