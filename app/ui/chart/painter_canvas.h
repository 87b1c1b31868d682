// The chart canvas over a QPainter: the screen, a QImage (PNG), a PDF and the printer.
#pragma once

#include <QFont>

#include "chart_canvas.h"

class QPainter;

namespace calvex {

class PainterCanvas final : public ChartCanvas {
  public:
    explicit PainterCanvas(QPainter& painter);

    void fill(const CanvasRect& r, ChartColor color) override;
    void rectangle(const CanvasRect& r, const ChartStroke& stroke) override;
    void polyline(const std::vector<CanvasPoint>& points, const ChartStroke& stroke) override;
    void circle(CanvasPoint centre, double radius, const ChartStroke& stroke, const ChartColor* fill) override;
    void text(CanvasPoint at, const std::string& latin1, const ChartFont& font, ChartColor color, TextAnchor anchor,
              bool vertical) override;
    void clip(const CanvasRect* r) override;

  private:
    QPainter& painter_;
    QFont base_;
};

// The charts' font: a sans-serif with Arial's metrics where one is installed.
QFont chartFont();

}  // namespace calvex
