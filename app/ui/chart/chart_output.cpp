#include "chart_output.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "calvex_doc.h"
#include "console_prompts.h"
#include "input_pair.h"
#include "painter_canvas.h"
#include "point_table_text.h"
#include "steam_chart_painter.h"
#include "svg_canvas.h"

namespace calvex {
namespace {

// The charts on a page: the chart's width stays, its height follows the page's proportions.
bool paintOnPage(QPainter& painter, QPaintDevice& device, const SteamChartLines& lines, const SteamChartScene& scene) {
    const QRectF page(0, 0, device.width(), device.height());
    if (page.width() <= 0 || page.height() <= 0) {
        return false;
    }
    const double height = kChartWidth * page.height() / page.width();
    renderSteamCharts(painter, page, kChartWidth, height, lines, scene);
    return true;
}

}  // namespace

void renderSteamCharts(QPainter& painter, const QRectF& target, double width, double height,
                       const SteamChartLines& lines, const SteamChartScene& scene) {
    const double scale = std::min(target.width() / width, target.height() / height);
    painter.save();
    painter.translate(target.x() + (target.width() - width * scale) / 2,
                      target.y() + (target.height() - height * scale) / 2);
    painter.scale(scale, scale);
    PainterCanvas canvas(painter);
    paintSteamCharts(canvas, width, height, lines, scene);
    painter.restore();
}

QImage chartImage(const SteamChartLines& lines, const SteamChartScene& scene, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderSteamCharts(painter, QRectF(0, 0, width, height), width, height, lines, scene);
    painter.end();
    return image;
}

std::string chartSvg(const SteamChartLines& lines, const SteamChartScene& scene, double width, double height) {
    SvgCanvas canvas(width, height);
    paintSteamCharts(canvas, width, height, lines, scene);
    return canvas.document();
}

bool printSteamCharts(QPrinter& printer, const SteamChartLines& lines, const SteamChartScene& scene) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const bool painted = paintOnPage(painter, printer, lines, scene);
    return painter.end() && painted;
}

ChartFileType chartFileType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("png")) {
        return ChartFileType::Png;
    }
    if (suffix == QStringLiteral("svg")) {
        return ChartFileType::Svg;
    }
    if (suffix == QStringLiteral("pdf")) {
        return ChartFileType::Pdf;
    }
    return ChartFileType::Unknown;
}

QString writeChartFile(const QString& path, const SteamChartLines& lines, const SteamChartScene& scene) {
    const ChartFileType type = chartFileType(path);
    if (type == ChartFileType::Unknown) {
        return QString::fromLatin1(kMsgChartFileType);
    }
    // Written beside the target and renamed over it: a failure leaves no part-written file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QString::fromLatin1(kMsgChartNotWritten);
    }
    bool written = false;
    switch (type) {
        case ChartFileType::Png:
            written = chartImage(lines, scene, static_cast<int>(kChartWidth), static_cast<int>(kChartHeight))
                          .save(&file, "PNG");
            break;
        case ChartFileType::Svg: {
            const std::string svg = chartSvg(lines, scene, kChartWidth, kChartHeight);
            written = file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
            break;
        }
        case ChartFileType::Pdf: {
            QPdfWriter pdf(&file);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            pdf.setTitle(QString::fromStdString(chartTitle(scene)));
            pdf.setCreator(QStringLiteral("Calvex"));
            QPainter painter;
            written = painter.begin(&pdf) && paintOnPage(painter, pdf, lines, scene);
            written = painter.end() && written;
            break;
        }
        case ChartFileType::Unknown: break;
    }
    if (!written || !file.commit()) {
        return QString::fromLatin1(kMsgChartNotWritten);
    }
    return {};
}

int chartFromCommandLine(const QString& file, const QString& target, std::shared_ptr<UserPrompts> prompts) {
    if (!prompts) {
        prompts = std::make_shared<ConsolePrompts>();
    }
    if (chartFileType(target) == ChartFileType::Unknown) {
        prompts->message(nullptr, aboutFile(target, QString::fromLatin1(kMsgChartFileType)));
        return 1;
    }
    CCalvexDoc doc;
    const DocFileResult opened = doc.OnOpenDocument(file.toStdString());
    if (!opened.ok) {
        prompts->message(nullptr, aboutFile(file, QString::fromStdString(opened.message)));
        return 1;
    }
    const PropertyFormats formats = documentFormats(doc);
    const bool ifc67 = usesIfc67(doc.InputSelection());
    const SteamChartScene scene = buildChartScene(doc, formats, ifc67, std::nullopt);
    const SteamChartLines lines = SteamChartLines::compute(ifc67, formatUnit(formats.formats[kPressure]));
    const QString error = writeChartFile(target, lines, scene);
    if (!error.isEmpty()) {
        prompts->message(nullptr, aboutFile(target, error));
        return 1;
    }
    return 0;
}

}  // namespace calvex
