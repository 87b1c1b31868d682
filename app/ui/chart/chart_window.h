// The Chart window (View > Chart, and the toolbar): the T-s and h-s diagrams of the open
// document, following it: every change of the document (a computation, a store, a deletion, a
// unit or format change, a new or opened document), of the formulation and of the last
// expansion redraws it. Copy puts the chart on the clipboard as a picture; Save As writes a PNG,
// SVG or PDF file; Print prints it on one page. Screen, files and printer share the one paint
// routine.
#pragma once

#include <QWidget>
#include <functional>

#include "steam_chart.h"

class QPushButton;

namespace calvex {

class UserPrompts;

// The drawing area: paints the scene it is given with the cached lines.
class CChartView : public QWidget {
    Q_OBJECT

  public:
    CChartView(std::function<SteamChartScene()> source, QWidget* parent = nullptr);

    // The scene as it stands now, and the lines of its formulation and pressure unit.
    SteamChartScene scene() const { return source_(); }
    const SteamChartLines& lines(const SteamChartScene& scene);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<SteamChartScene()> source_;
    SteamChartCache cache_;
};

class CChartWindow : public QWidget {
    Q_OBJECT

  public:
    // `source` gives the scene to draw (the document, the form's units and formulation, the last
    // expansion); `prompts` answers the file and print dialogs and shows the messages.
    CChartWindow(std::function<SteamChartScene()> source, UserPrompts& prompts, QWidget* parent = nullptr);

    // The document, the formulation or the expansion changed: draw again.
    void refresh();
    // How many times the window was asked to draw again (for the tests).
    int refreshCount() const noexcept { return refreshes_; }

    // Copy: the chart as a picture on the clipboard.
    void copyChart();
    // Save As: a file name from the prompts (".png" added when none is given), then the file.
    bool saveChartAs();
    // Print: the print dialog, then the chart on one landscape page.
    bool printChart();

    CChartView* chartView() const noexcept { return view_; }
    QPushButton* copyButton() const noexcept { return copyButton_; }
    QPushButton* saveButton() const noexcept { return saveButton_; }
    QPushButton* printButton() const noexcept { return printButton_; }

  private:
    UserPrompts& prompts_;
    CChartView* view_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    int refreshes_ = 0;
};

// The title of the Chart window.
inline constexpr const char* kChartWindowTitle = "Caldora Chart";

}  // namespace calvex
