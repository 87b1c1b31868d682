// The axes of the steam charts: which property goes on which axis, in which of the form's units,
// the round tick values, and the mapping of values onto the canvas.
#pragma once

#include <string>
#include <vector>

#include "chart_formulation.h"
#include "point_table_text.h"

namespace calvex {

// The two charts: temperature over entropy, and enthalpy over entropy (Mollier).
enum class ChartKind { TemperatureEntropy, EnthalpyEntropy };

// An axis from `lo` to `hi` (multiples of `step`), in the unit shown.
struct AxisRange {
    double lo = 0.0;
    double hi = 1.0;
    double step = 1.0;
};

// Round ends and a step of 1, 2, 2.5 or 5 times a power of ten, giving about `ticks` intervals
// between `min` and `max`. Values within 1% of a step beyond a multiple of it round to it.
AxisRange niceAxis(double min, double max, int ticks = 6);

// The tick values of an axis, from lo to hi.
std::vector<double> axisTicks(const AxisRange& axis);

// A tick value as text with the decimals its step needs ("0.5", "250", "1.25").
std::string tickText(double value, double step);

// The shortest text of a number ("0.001", "1000", "1e+06"), the same in every locale.
std::string shortNumber(double value);

// A rectangle of the canvas: left, top, width, height (y grows downwards).
struct CanvasRect {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
};

struct CanvasPoint {
    double x = 0.0;
    double y = 0.0;
};

// The position of values (in the units shown) in the plot area of a chart.
struct ChartMapping {
    CanvasRect plot;
    AxisRange x;
    AxisRange y;

    CanvasPoint map(double xv, double yv) const noexcept {
        return {plot.x + (xv - x.lo) / (x.hi - x.lo) * plot.w, plot.y + plot.h - (yv - y.lo) / (y.hi - y.lo) * plot.h};
    }
};

// The values of a state on a chart, in the form's units: x the entropy, y the temperature (T-s)
// or the enthalpy (h-s).
struct ChartValues {
    double x = 0.0;
    double y = 0.0;
};
ChartValues chartValues(ChartKind kind, const ChartState& state, const PropertyFormats& formats) noexcept;

// Axis titles in the program's "name - unit" style: "Entropy - kJ/kg/K", "Temperature - deg C".
std::string xAxisTitle(const PropertyFormats& formats);
std::string yAxisTitle(ChartKind kind, const PropertyFormats& formats);

// An isobar's name in the form's pressure unit: "0.1 MPa", "1000 psia".
std::string isobarLabel(double pressure, const PropertyFormats& formats);

}  // namespace calvex
