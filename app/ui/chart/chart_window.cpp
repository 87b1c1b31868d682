#include "chart_window.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "chart_output.h"
#include "console_prompts.h"
#include "display_format.h"
#include "steam_chart_painter.h"
#include "user_prompts.h"

namespace calvex {
namespace {

int pressureUnitOf(const SteamChartScene& scene) { return formatUnit(scene.formats.formats[kPressure]); }

void setTip(QWidget* w, const QString& text) {
    w->setToolTip(text);
    w->setStatusTip(text);
}

}  // namespace

CChartView::CChartView(std::function<SteamChartScene()> source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)) {
    setObjectName(QStringLiteral("ChartView"));
    setMinimumSize(480, 300);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(
        QStringLiteral("T-s and h-s diagrams of the document: the current point, the stored points and "
                       "the last expansion"));
}

const SteamChartLines& CChartView::lines(const SteamChartScene& scene) {
    return cache_.lines(scene.ifc67, pressureUnitOf(scene));
}

QSize CChartView::sizeHint() const {
    return {static_cast<int>(kChartWidth * 0.85), static_cast<int>(kChartHeight * 0.85)};
}

void CChartView::paintEvent(QPaintEvent*) {
    const SteamChartScene s = scene();
    QPainter painter(this);
    renderSteamCharts(painter, QRectF(rect()), width(), height(), lines(s), s);
}

CChartWindow::CChartWindow(std::function<SteamChartScene()> source, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts) {
    setWindowTitle(QString::fromLatin1(kChartWindowTitle));
    setObjectName(QStringLiteral("ChartWindow"));
    view_ = new CChartView(std::move(source), this);
    copyButton_ = new QPushButton(QStringLiteral("&Copy"), this);
    saveButton_ = new QPushButton(QStringLiteral("&Save As..."), this);
    printButton_ = new QPushButton(QStringLiteral("&Print..."), this);
    setTip(copyButton_, QStringLiteral("Copy the chart to the clipboard as a picture"));
    setTip(saveButton_, QStringLiteral("Save the chart as a PNG picture, an SVG drawing or a PDF document"));
    setTip(printButton_, QStringLiteral("Print the chart on one page"));
    connect(copyButton_, &QPushButton::clicked, this, &CChartWindow::copyChart);
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveChartAs(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { printChart(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {copyButton_, saveButton_, printButton_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

void CChartWindow::refresh() {
    ++refreshes_;
    view_->update();
}

void CChartWindow::copyChart() {
    const SteamChartScene s = view_->scene();
    QGuiApplication::clipboard()->setImage(
        chartImage(view_->lines(s), s, static_cast<int>(kChartWidth), static_cast<int>(kChartHeight)));
}

bool CChartWindow::saveChartAs() {
    const SteamChartScene s = view_->scene();
    const QString base = QFileInfo(QString::fromStdString(s.title)).completeBaseName();
    QString path =
        prompts_.saveFileName(this, base + QStringLiteral(" chart.png"), QString::fromLatin1(kChartFileFilter));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".png");
    }
    const QString error = writeChartFile(path, view_->lines(s), s);
    if (!error.isEmpty()) {
        prompts_.message(this, aboutFile(path, error));
        return false;
    }
    return true;
}

bool CChartWindow::printChart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (!prompts_.runDialog(dialog)) {
        return false;
    }
    const SteamChartScene s = view_->scene();
    if (!printSteamCharts(printer, view_->lines(s), s)) {
        prompts_.message(this, QStringLiteral("The chart could not be printed."));
        return false;
    }
    return true;
}

}  // namespace calvex
