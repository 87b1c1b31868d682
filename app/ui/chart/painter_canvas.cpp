#include "painter_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

namespace calvex {
namespace {

QColor qcolor(ChartColor c) { return QColor(c.r, c.g, c.b); }

QPen qpen(const ChartStroke& s) {
    QPen pen(qcolor(s.color), s.width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (s.dashed) {
        pen.setDashPattern({4.0, 3.0});
    }
    return pen;
}

}  // namespace

QFont chartFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    return f;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter), base_(chartFont()) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterCanvas::fill(const CanvasRect& r, ChartColor color) {
    painter_.fillRect(QRectF(r.x, r.y, r.w, r.h), qcolor(color));
}

void PainterCanvas::rectangle(const CanvasRect& r, const ChartStroke& stroke) {
    painter_.setPen(qpen(stroke));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(r.x, r.y, r.w, r.h));
}

void PainterCanvas::polyline(const std::vector<CanvasPoint>& points, const ChartStroke& stroke) {
    if (points.size() < 2) {
        return;
    }
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const CanvasPoint& p : points) {
        poly.append(QPointF(p.x, p.y));
    }
    painter_.setPen(qpen(stroke));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(poly);
}

void PainterCanvas::circle(CanvasPoint c, double radius, const ChartStroke& stroke, const ChartColor* fillColor) {
    painter_.setPen(qpen(stroke));
    painter_.setBrush(fillColor ? QBrush(qcolor(*fillColor)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QPointF(c.x, c.y), radius, radius);
}

void PainterCanvas::text(CanvasPoint at, const std::string& latin1, const ChartFont& font, ChartColor color,
                         TextAnchor anchor, bool vertical) {
    QFont f = base_;
    f.setPixelSize(std::max(1, static_cast<int>(font.size + 0.5)));
    f.setBold(font.bold);
    const QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    const double width = QFontMetricsF(f).horizontalAdvance(text);
    const double shift = anchor == TextAnchor::Start ? 0.0 : (anchor == TextAnchor::Middle ? width / 2 : width);
    painter_.save();
    painter_.setFont(f);
    painter_.setPen(qcolor(color));
    painter_.translate(at.x, at.y);
    if (vertical) {
        painter_.rotate(-90.0);
    }
    painter_.drawText(QPointF(-shift, 0.0), text);
    painter_.restore();
}

void PainterCanvas::clip(const CanvasRect* r) {
    if (r) {
        painter_.setClipRect(QRectF(r->x, r->y, r->w, r->h));
    } else {
        painter_.setClipping(false);
    }
}

}  // namespace calvex
