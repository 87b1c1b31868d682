#include "svg_canvas.h"

#include <charconv>
#include <cmath>

namespace calvex {
namespace {

std::string color(ChartColor c) {
    static const char* hex = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        s += hex[v >> 4];
        s += hex[v & 15];
    }
    return s;
}

std::string strokeAttributes(const ChartStroke& s) {
    std::string a = " stroke=\"" + color(s.color) + "\" stroke-width=\"" + svgNumber(s.width) + "\"";
    if (s.dashed) {
        a += " stroke-dasharray=\"" + svgNumber(4 * s.width) + " " + svgNumber(3 * s.width) + "\"";
    }
    return a;
}

}  // namespace

std::string svgNumber(double v) {
    if (!std::isfinite(v)) {
        return "0";
    }
    const double r = std::round(v * 100.0) / 100.0;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, r == 0.0 ? 0.0 : r, std::chars_format::fixed, 2);
    std::string s(buf, res.ptr);
    // 12.50 -> 12.5, 3.00 -> 3
    while (s.back() == '0') {
        s.pop_back();
    }
    if (s.back() == '.') {
        s.pop_back();
    }
    return s;
}

std::string svgText(const std::string& latin1) {
    std::string out;
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (c < 0x20) {
                    out += ' ';  // control characters are not allowed in XML 1.0
                } else if (c < 0x80) {
                    out += static_cast<char>(c);
                } else {
                    out += static_cast<char>(0xC0 | (c >> 6));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                }
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(double width, double height) : width_(width), height_(height) {}

void SvgCanvas::fill(const CanvasRect& r, ChartColor c) {
    body_ += "<rect x=\"" + svgNumber(r.x) + "\" y=\"" + svgNumber(r.y) + "\" width=\"" + svgNumber(r.w) +
             "\" height=\"" + svgNumber(r.h) + "\" fill=\"" + color(c) + "\"/>\n";
}

void SvgCanvas::rectangle(const CanvasRect& r, const ChartStroke& stroke) {
    body_ += "<rect x=\"" + svgNumber(r.x) + "\" y=\"" + svgNumber(r.y) + "\" width=\"" + svgNumber(r.w) +
             "\" height=\"" + svgNumber(r.h) + "\" fill=\"none\"" + strokeAttributes(stroke) + "/>\n";
}

void SvgCanvas::polyline(const std::vector<CanvasPoint>& points, const ChartStroke& stroke) {
    if (points.size() < 2) {
        return;
    }
    body_ += "<polyline fill=\"none\" stroke-linejoin=\"round\"" + strokeAttributes(stroke) + " points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            body_ += ' ';
        }
        body_ += svgNumber(points[i].x) + "," + svgNumber(points[i].y);
    }
    body_ += "\"/>\n";
}

void SvgCanvas::circle(CanvasPoint c, double radius, const ChartStroke& stroke, const ChartColor* fillColor) {
    body_ += "<circle cx=\"" + svgNumber(c.x) + "\" cy=\"" + svgNumber(c.y) + "\" r=\"" + svgNumber(radius) +
             "\" fill=\"" + (fillColor ? color(*fillColor) : std::string("none")) + "\"" + strokeAttributes(stroke) +
             "/>\n";
}

void SvgCanvas::text(CanvasPoint at, const std::string& latin1, const ChartFont& font, ChartColor c, TextAnchor anchor,
                     bool vertical) {
    static const char* anchors[] = {"start", "middle", "end"};
    body_ += "<text x=\"" + svgNumber(at.x) + "\" y=\"" + svgNumber(at.y) + "\" font-size=\"" + svgNumber(font.size) +
             "\" fill=\"" + color(c) + "\" text-anchor=\"" + anchors[static_cast<int>(anchor)] + "\"";
    if (font.bold) {
        body_ += " font-weight=\"bold\"";
    }
    if (vertical) {
        body_ += " transform=\"rotate(-90 " + svgNumber(at.x) + " " + svgNumber(at.y) + ")\"";
    }
    body_ += ">" + svgText(latin1) + "</text>\n";
}

void SvgCanvas::clip(const CanvasRect* r) {
    if (clipped_) {
        body_ += "</g>\n";
        clipped_ = false;
    }
    if (!r) {
        return;
    }
    const std::string id = "clip" + std::to_string(++clips_);
    body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + svgNumber(r->x) + "\" y=\"" + svgNumber(r->y) + "\" width=\"" +
             svgNumber(r->w) + "\" height=\"" + svgNumber(r->h) + "\"/></clipPath>\n<g clip-path=\"url(#" + id +
             ")\">\n";
    clipped_ = true;
}

std::string SvgCanvas::document() const {
    std::string d =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
        svgNumber(width_) + "\" height=\"" + svgNumber(height_) + "\" viewBox=\"0 0 " + svgNumber(width_) + " " +
        svgNumber(height_) + "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\">\n";
    d += body_;
    if (clipped_) {
        d += "</g>\n";
    }
    d += "</svg>\n";
    return d;
}

}  // namespace calvex
