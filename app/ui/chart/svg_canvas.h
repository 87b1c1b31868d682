// The chart canvas as an SVG document (plain text, SVG 1.1): every primitive becomes one element,
// texts in UTF-8 with XML escapes, numbers written the same in every locale.
#pragma once

#include <string>

#include "chart_canvas.h"

namespace calvex {

class SvgCanvas final : public ChartCanvas {
  public:
    SvgCanvas(double width, double height);

    void fill(const CanvasRect& r, ChartColor color) override;
    void rectangle(const CanvasRect& r, const ChartStroke& stroke) override;
    void polyline(const std::vector<CanvasPoint>& points, const ChartStroke& stroke) override;
    void circle(CanvasPoint centre, double radius, const ChartStroke& stroke, const ChartColor* fill) override;
    void text(CanvasPoint at, const std::string& latin1, const ChartFont& font, ChartColor color, TextAnchor anchor,
              bool vertical) override;
    void clip(const CanvasRect* r) override;

    // The whole document (the clip group closed).
    std::string document() const;

  private:
    std::string body_;
    double width_;
    double height_;
    int clips_ = 0;
    bool clipped_ = false;
};

// The text of a number for SVG: up to two decimals, no exponent, a point as the separator.
std::string svgNumber(double v);
// Single-byte (Latin-1) characters as UTF-8 with &, <, > and " escaped.
std::string svgText(const std::string& latin1);

}  // namespace calvex
