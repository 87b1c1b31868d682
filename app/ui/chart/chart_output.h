// The steam charts as pictures and documents: a PNG image, an SVG drawing, a PDF page and a
// printed page, all from the one paint routine (paintSteamCharts); and the command-line request
// "-ct file.stm out.png" that writes the chart of a document without a window.
#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>

#include "steam_chart.h"

class QPainter;
class QPrinter;
class QRectF;

namespace calvex {

class UserPrompts;

// Draws the charts, `width` x `height` in chart units, into `target` of the painter's device
// (scaled to fit, proportions kept, centred).
void renderSteamCharts(QPainter& painter, const QRectF& target, double width, double height,
                       const SteamChartLines& lines, const SteamChartScene& scene);

// The charts as a picture of `width` x `height` pixels.
QImage chartImage(const SteamChartLines& lines, const SteamChartScene& scene, int width, int height);
// The charts as an SVG document.
std::string chartSvg(const SteamChartLines& lines, const SteamChartScene& scene, double width, double height);
// The charts on one page of a printer (or a PDF printer), landscape, filling the page; false
// when painting cannot begin.
bool printSteamCharts(QPrinter& printer, const SteamChartLines& lines, const SteamChartScene& scene);

enum class ChartFileType { Png, Svg, Pdf, Unknown };
// The type of a chart file by its extension (case ignored).
ChartFileType chartFileType(const QString& path);

// Writes the charts into `path` as PNG, SVG or PDF by its extension. Returns an empty text when
// written, otherwise the message to show.
QString writeChartFile(const QString& path, const SteamChartLines& lines, const SteamChartScene& scene);

// The file dialog's filter of chart files.
inline constexpr const char* kChartFileFilter = "PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";
inline constexpr const char* kMsgChartNotWritten = "The chart could not be written.";
inline constexpr const char* kMsgChartFileType = "The chart can be written as a .png, .svg or .pdf file.";

// "-ct file target": the chart of the document `file` into `target`, in the formulation and the
// units the document was saved with. Returns the exit status (0 written; 1 when the document
// cannot be opened or the chart not written, after its message, by default on standard error).
int chartFromCommandLine(const QString& file, const QString& target, std::shared_ptr<UserPrompts> prompts = nullptr);

}  // namespace calvex
