#include "chart_axes.h"

#include <charconv>
#include <cmath>

#include "display_format.h"

namespace calvex {
namespace {

int unitOf(const PropertyFormats& f, int property) noexcept {
    return formatUnit(f.formats[static_cast<std::size_t>(property)]);
}

std::string withUnit(const char* name, PropertyKind kind, int unit) {
    return std::string(name) + " - " + std::string(unitText(kind, unit));
}

}  // namespace

AxisRange niceAxis(double min, double max, int ticks) {
    if (!(max > min)) {
        max = min + 1.0;
    }
    const double raw = (max - min) / std::max(1, ticks);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double step = decade * 10.0;
    // A step a little short of the raw one is taken: a few more ticks read better than a range
    // twice as wide as the data.
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (m * decade * 1.1 >= raw) {
            step = m * decade;
            break;
        }
    }
    constexpr double kSlack = 0.01;
    return {std::floor(min / step + kSlack) * step, std::ceil(max / step - kSlack) * step, step};
}

std::vector<double> axisTicks(const AxisRange& axis) {
    std::vector<double> t;
    const long n = std::lround((axis.hi - axis.lo) / axis.step);
    for (long i = 0; i <= n && i <= 1000; ++i) {
        t.push_back(axis.lo + static_cast<double>(i) * axis.step);
    }
    return t;
}

std::string tickText(double value, double step) {
    // Decimals of the step: 0 for 1, 2, 5 and their multiples of ten, one for 0.5 and 2.5, ...
    int decimals = 0;
    while (decimals < 10 &&
           std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-9) {
        ++decimals;
    }
    const double rounded = std::round(value / step) * step;  // no 0.30000000000000004
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, rounded == 0.0 ? 0.0 : rounded, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

std::string shortNumber(double value) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

ChartValues chartValues(ChartKind kind, const ChartState& state, const PropertyFormats& formats) noexcept {
    const double x = fromInternal(state.s, PropertyKind::Entropy, unitOf(formats, kEntropy));
    const double y = kind == ChartKind::TemperatureEntropy
                         ? fromInternal(state.T, PropertyKind::Temperature, unitOf(formats, kTemperature))
                         : fromInternal(state.h, PropertyKind::Enthalpy, unitOf(formats, kEnthalpy));
    return {x, y};
}

std::string xAxisTitle(const PropertyFormats& formats) {
    return withUnit("Entropy", PropertyKind::Entropy, unitOf(formats, kEntropy));
}

std::string yAxisTitle(ChartKind kind, const PropertyFormats& formats) {
    return kind == ChartKind::TemperatureEntropy
               ? withUnit("Temperature", PropertyKind::Temperature, unitOf(formats, kTemperature))
               : withUnit("Enthalpy", PropertyKind::Enthalpy, unitOf(formats, kEnthalpy));
}

std::string isobarLabel(double pressure, const PropertyFormats& formats) {
    const int unit = unitOf(formats, kPressure);
    // The isobars are at round values of the unit: the shortest text gives them back.
    const double shown = fromInternal(pressure, PropertyKind::Pressure, unit);
    const double rounded = std::round(shown * 1e9) / 1e9;
    return shortNumber(rounded) + " " + std::string(unitText(PropertyKind::Pressure, unit));
}

}  // namespace calvex
