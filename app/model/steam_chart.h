// The steam charts (a T-s diagram and an h-s, Mollier, diagram) as data, without widgets: the
// lines computed from the formulation in use and the points of the document placed on them.
//
// Lines (SteamChartLines), in the core's units:
//   the saturation dome: saturated liquid and saturated vapour from the lowest temperature of the
//     saturation line to the critical point, and the critical point itself;
//   isobars at round pressures of the form's pressure unit (1, 10, 100, ... of that unit), each
//     the compressed liquid from the lowest temperature, the wet segment between the saturated
//     liquid and vapour, and the superheated vapour up to the chart's top temperature (above the
//     critical pressure one single-phase line);
//   lines of constant quality 0.1 to 0.9 (drawn on the h-s chart).
// Scene (SteamChartScene): the current point, the stored points and the last computed expansion
// (its start, its actual end and its isentropic end at the end pressure), with the labels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart_formulation.h"
#include "point_table_text.h"

namespace calvex {

class CCalvexDoc;

// A line of the chart and the value that names it: an isobar's pressure (MPa) or a quality.
struct ChartLine {
    double value = 0.0;
    std::vector<ChartState> states;
};

// The top temperature of the isobars (K): 800 deg C, the usual top of a steam chart.
inline constexpr double kChartTopTemperature = 1073.15;
// The qualities of the lines of constant quality.
inline constexpr std::array<double, 9> kChartQualities{0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

// The pressures (MPa) of the isobars for a pressure unit of the form: the powers of ten of that
// unit between `lowest` and `highest` MPa, each at least three times the one before (so a unit
// with an offset, psig, does not crowd its isobars).
std::vector<double> isobarPressures(int pressureUnit, double lowest, double highest);

struct SteamChartLines {
    bool ifc67 = false;
    int pressureUnit = 0;
    std::vector<ChartState> liquidLine;  // saturated liquid, rising temperature, ends at the critical point
    std::vector<ChartState> vapourLine;  // saturated vapour, rising temperature, ends at the critical point
    std::optional<ChartState> criticalPoint;
    std::vector<ChartLine> isobars;
    std::vector<ChartLine> qualityLines;

    // Computes every line in the formulation.
    static SteamChartLines compute(bool ifc67, int pressureUnit);
};

// The lines of the last formulation and pressure unit asked for, computed again only when one of
// them changes: a redraw after a new point, a store or a unit change of another property reuses
// them.
class SteamChartCache {
  public:
    const SteamChartLines& lines(bool ifc67, int pressureUnit);

  private:
    std::optional<SteamChartLines> lines_;
};

// A point on the charts with its label (single-byte characters).
struct ChartMarker {
    ChartState state;
    std::string label;
};

// An expansion as the expansion tool computed it: its start and its actual end, with the start
// and end pressures (MPa).
struct ExpansionPath {
    double p1 = 0.0;
    ChartState start;
    double p2 = 0.0;
    ChartState end;
    bool ifc67 = false;
};

// The expansion on the charts: the isentropic end is the state at the end pressure and the
// start's entropy, in the expansion's formulation (absent when the formulation refuses it).
struct ChartExpansion {
    ChartMarker start;
    ChartMarker end;
    std::optional<ChartMarker> isentropicEnd;
};

struct SteamChartScene {
    std::string title;        // the document's title
    bool ifc67 = false;       // the formulation in use (the lines' formulation)
    PropertyFormats formats;  // the form's units of the axes and labels
    std::optional<ChartMarker> current;
    std::vector<ChartMarker> stored;
    std::optional<ChartExpansion> expansion;
};

// The marker of a point: its temperature, entropy and enthalpy when they are all property values
// (not codes or markers); nothing otherwise.
std::optional<ChartMarker> chartMarker(double T, double s, double h, const std::string& label);

// The expansion's three points; nothing when its start or end is not a state.
std::optional<ChartExpansion> chartExpansion(const ExpansionPath& path);

// The scene of a document: its stored points, its current point when it has been computed (a
// positive volume, as the form counts it) and the last expansion if any; `ifc67` is the
// formulation in use, `formats` the units of the form.
SteamChartScene buildChartScene(const CCalvexDoc& doc, const PropertyFormats& formats, bool ifc67,
                                const std::optional<ExpansionPath>& expansion);

// The labels of the expansion's points.
inline constexpr const char* kExpansionStartLabel = "1";
inline constexpr const char* kExpansionEndLabel = "2";
inline constexpr const char* kExpansionIsentropicLabel = "2s";

}  // namespace calvex
