// The steam charts drawn on the offscreen platform: the one paint routine through a recording
// canvas (a stored point lands at its (s,T) and (s,h) in the chart's coordinates), the SVG text,
// the Chart window following the document (a computation, a store, a deletion, a unit change,
// the formulation, an expansion), Copy, Save As and Print through the scripted prompts, and the
// program's "-ct" request under `timeout`. Pictures are kept under the build folder:
// artifacts/calvex-chart-window.png (the window), artifacts/calvex-chart.png and .svg (-ct).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPrinter>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

#include "calvex_view.h"
#include "chart_output.h"
#include "chart_window.h"
#include "expansion_dialog.h"
#include "main_frame.h"
#include "steam_chart_painter.h"
#include "svg_canvas.h"
#include "widget_test_support.h"

namespace calvex {
namespace {

constexpr int kBitP = 0, kBitT = 1;

// Everything drawn, in order.
class RecordingCanvas final : public ChartCanvas {
  public:
    struct Circle {
        CanvasPoint c;
        double r;
        ChartColor color;
    };
    struct Text {
        CanvasPoint at;
        std::string text;
    };
    void fill(const CanvasRect&, ChartColor) override {}
    void rectangle(const CanvasRect&, const ChartStroke&) override {}
    void polyline(const std::vector<CanvasPoint>& points, const ChartStroke&) override { polylines.push_back(points); }
    void circle(CanvasPoint c, double r, const ChartStroke& s, const ChartColor*) override {
        circles.push_back({c, r, s.color});
    }
    void text(CanvasPoint at, const std::string& t, const ChartFont&, ChartColor, TextAnchor, bool) override {
        texts.push_back({at, t});
    }
    void clip(const CanvasRect*) override {}

    std::vector<std::vector<CanvasPoint>> polylines;
    std::vector<Circle> circles;
    std::vector<Text> texts;
};

PropertyFormats formsUnits(int unit) {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = propertyKind(p);
        const bool hasUnits = p != kQuality && p != kPrandtl;
        f.formats[static_cast<std::size_t>(p)] = makeFormat(2, 0, hasUnits ? unit : 0);
    }
    return f;
}

SteamChartScene sampleScene(int unit) {
    SteamChartScene s;
    s.title = "plant.stm";
    s.formats = formsUnits(unit);
    s.stored.push_back({{813.15, 6.7568, 3479.9}, "Throttle"});
    s.stored.push_back({{318.96, 7.3830, 2345.0}, "Exhaust"});
    s.current = ChartMarker{{453.03, 2.1381, 762.5}, "Feed & <water>"};
    return s;
}

bool near(CanvasPoint a, CanvasPoint b) { return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9; }

// A stored point is drawn at its (s, T) on the T-s chart and at its (s, h) on the h-s chart, in
// the mapping of that chart, with its label beside it; in SI and in English units, on a wide
// and on a tall canvas.
TEST(ChartPaint, PointsLandAtTheirCoordinates) {
    const SteamChartLines lines = SteamChartLines::compute(false, 0);
    for (const int unit : {0, 1}) {
        for (const auto& [w, h] : {std::pair{1200.0, 560.0}, std::pair{600.0, 900.0}}) {
            const SteamChartScene scene = sampleScene(unit);
            RecordingCanvas canvas;
            paintSteamCharts(canvas, w, h, lines, scene);
            const SteamChartLayout layout = layoutSteamCharts(w, h, lines, scene);
            for (std::size_t k = 0; k < 2; ++k) {
                const ChartMapping& m = layout.mappings[k];
                for (const ChartMarker* marker : {&scene.stored[0], &scene.stored[1], &*scene.current}) {
                    const ChartValues v = chartValues(layout.kinds[k], marker->state, scene.formats);
                    const CanvasPoint at = m.map(v.x, v.y);
                    // Inside the plot, and the same place the values give by hand.
                    EXPECT_GT(at.x, m.plot.x);
                    EXPECT_LT(at.x, m.plot.x + m.plot.w);
                    EXPECT_GT(at.y, m.plot.y);
                    EXPECT_LT(at.y, m.plot.y + m.plot.h);
                    EXPECT_NEAR(at.x, m.plot.x + (v.x - m.x.lo) / (m.x.hi - m.x.lo) * m.plot.w, 1e-9);
                    const bool circle = std::any_of(
                        canvas.circles.begin(), canvas.circles.end(), [&](const auto& c) { return near(c.c, at); });
                    EXPECT_TRUE(circle) << marker->label << " chart " << k << " unit " << unit << " " << w;
                    const bool label = std::any_of(canvas.texts.begin(), canvas.texts.end(), [&](const auto& t) {
                        return t.text == marker->label && near(t.at, {at.x + 7, at.y - 6});
                    });
                    EXPECT_TRUE(label) << marker->label;
                }
                // The entropy axis takes the whole dome; the T axis of the T-s chart its range.
                const ChartValues crit = chartValues(layout.kinds[k], *lines.criticalPoint, scene.formats);
                EXPECT_GT(crit.x, m.x.lo);
                EXPECT_LT(crit.y, m.y.hi);
            }
            // Both diagrams and the axis titles in the form's units.
            bool ts = false, hs = false, entropyTitle = false;
            for (const auto& t : canvas.texts) {
                ts = ts || t.text == "T-s diagram";
                hs = hs || t.text == "h-s diagram (Mollier)";
                entropyTitle = entropyTitle || t.text == xAxisTitle(scene.formats);
            }
            EXPECT_TRUE(ts && hs && entropyTitle);
        }
    }
}

TEST(ChartPaint, SvgIsWellFormedAndHoldsThePoints) {
    const SteamChartLines lines = SteamChartLines::compute(false, 0);
    SteamChartScene scene = sampleScene(0);
    scene.stored[0].label =
        "Throttle \xB0"
        "C";  // a Latin-1 degree sign
    const std::string svg = chartSvg(lines, scene, kChartWidth, kChartHeight);
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    int circles = 0;
    QStringList texts;
    std::vector<std::pair<double, double>> centres;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("circle")) {
            ++circles;
            centres.emplace_back(xml.attributes().value(QStringLiteral("cx")).toDouble(),
                                 xml.attributes().value(QStringLiteral("cy")).toDouble());
        }
        if (xml.isStartElement() && xml.name() == QStringLiteral("text")) {
            texts << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Throttle \u00B0C")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Feed & <water>")));
    EXPECT_GE(circles, 2 * 4);  // three points and the critical point on each chart
    const SteamChartLayout layout = layoutSteamCharts(kChartWidth, kChartHeight, lines, scene);
    for (std::size_t k = 0; k < 2; ++k) {
        const ChartValues v = chartValues(layout.kinds[k], scene.stored[1].state, scene.formats);
        const CanvasPoint at = layout.mappings[k].map(v.x, v.y);
        const bool found = std::any_of(centres.begin(), centres.end(), [&](const auto& c) {
            return std::fabs(c.first - at.x) <= 0.005 && std::fabs(c.second - at.y) <= 0.005;
        });
        EXPECT_TRUE(found) << k;
    }
    EXPECT_EQ(svgNumber(12.5), "12.5");
    EXPECT_EQ(svgNumber(-0.001), "0");
    EXPECT_EQ(svgNumber(1234.567), "1234.57");
    EXPECT_EQ(svgText("a<b&\"c\" \xE9"), "a&lt;b&amp;&quot;c&quot; \xC3\xA9");
}

// ---------------------------------------------------------------------------------------------
// The Chart window

class ChartWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        test::clearSettings();
        prompts_ = std::make_shared<test::ScriptedPrompts>();
        frame_ = std::make_unique<CMainFrame>(prompts_);
        installExpansionTool(*frame_);
        ASSERT_TRUE(frame_->startUp({}));
        frame_->show();
        frame_->chartAction()->trigger();
        chart_ = frame_->chartWindow();
        ASSERT_NE(chart_, nullptr);
    }
    void TearDown() override {
        frame_.reset();
        test::clearSettings();
    }

    CCalvexView& view() { return *frame_->view(); }
    SteamChartScene scene() { return chart_->chartView()->scene(); }

    void computePT(double p, double T) {
        if (!view().inputCheck(kBitP)->isChecked()) {
            view().inputCheck(kBitP)->click();
        }
        if (!view().inputCheck(kBitT)->isChecked()) {
            view().inputCheck(kBitT)->click();
        }
        view().box(kPressure)->setValueIn(p, 0);
        view().box(kTemperature)->setValueIn(T, 0);
        view().editFlags().recomputeNeeded = true;
        ASSERT_TRUE(view().Compute());
    }

    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
    CChartWindow* chart_ = nullptr;
    QTemporaryDir dir_;
};

TEST_F(ChartWindow, FollowsTheDocument) {
    EXPECT_TRUE(chart_->isVisible());
    EXPECT_TRUE(frame_->viewMenu()->actions().contains(frame_->chartAction()));
    EXPECT_FALSE(scene().current.has_value());  // a new document's point is not computed

    int n = chart_->refreshCount();
    computePT(10.0, 813.15);
    EXPECT_GT(chart_->refreshCount(), n);
    ASSERT_TRUE(scene().current.has_value());
    EXPECT_EQ(scene().current->state.T, 813.15);
    EXPECT_EQ(scene().current->state.s, view().box(kEntropy)->value());

    n = chart_->refreshCount();
    view().StorePoint();
    EXPECT_GT(chart_->refreshCount(), n);
    ASSERT_EQ(scene().stored.size(), 1u);
    EXPECT_EQ(scene().stored[0].label, "Point 1");

    n = chart_->refreshCount();
    view().EnglishUnits();
    EXPECT_GT(chart_->refreshCount(), n);
    EXPECT_EQ(xAxisTitle(scene().formats), "Entropy - Btu/lb/F");
    EXPECT_EQ(yAxisTitle(ChartKind::TemperatureEntropy, scene().formats), "Temperature - deg F");

    n = chart_->refreshCount();
    view().UseIFC67();
    EXPECT_GT(chart_->refreshCount(), n);
    EXPECT_TRUE(scene().ifc67);
    EXPECT_TRUE(chart_->chartView()->lines(scene()).ifc67);

    n = chart_->refreshCount();
    view().DeletePoint();
    EXPECT_GT(chart_->refreshCount(), n);
    EXPECT_TRUE(scene().stored.empty());

    n = chart_->refreshCount();
    prompts_->answers.push_back(UserPrompts::Answer::No);  // do not save the changes
    ASSERT_TRUE(frame_->newDocument());
    EXPECT_GT(chart_->refreshCount(), n);
    EXPECT_FALSE(scene().current.has_value());
}

TEST_F(ChartWindow, ShowsTheLastExpansion) {
    computePT(10.0, 823.15);
    prompts_->dialogHandler = [](QDialog& d) {
        auto* dlg = dynamic_cast<CExpansionDialog*>(&d);
        EXPECT_NE(dlg, nullptr);
        if (dlg) {
            dlg->toBox(kPressure)->setRawValue(0.01);
            dlg->efficiencyBox()->setRawValue(0.85);
            dlg->computeButton()->click();
        }
        return false;  // Cancel: the form keeps its point, the chart the expansion
    };
    const int n = chart_->refreshCount();
    frame_->expansionAction()->trigger();
    EXPECT_GT(chart_->refreshCount(), n);
    const SteamChartScene s = scene();
    ASSERT_TRUE(s.expansion.has_value());
    EXPECT_EQ(s.expansion->start.state.T, 823.15);
    ASSERT_TRUE(s.expansion->isentropicEnd.has_value());
    EXPECT_NEAR(s.expansion->isentropicEnd->state.s, s.expansion->start.state.s, 1e-6);
    EXPECT_GT(s.expansion->end.state.s, s.expansion->start.state.s);  // a real expansion gains entropy
    EXPECT_GT(s.expansion->end.state.h, s.expansion->isentropicEnd->state.h);

    // The window, drawn, kept as a picture.
    chart_->resize(1100, 560);
    const QImage picture = chart_->grab().toImage();
    const QString artifacts = QStringLiteral(CALVEX_PRINT_ARTIFACT_DIR);
    QDir().mkpath(artifacts);
    EXPECT_TRUE(picture.save(artifacts + QStringLiteral("/calvex-chart-window.png")));

    // A new document has no expansion.
    prompts_->answers.push_back(UserPrompts::Answer::No);
    ASSERT_TRUE(frame_->newDocument());
    EXPECT_FALSE(scene().expansion.has_value());
}

TEST_F(ChartWindow, CopySaveAndPrint) {
    computePT(4.0, 700.0);
    chart_->copyButton()->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(static_cast<int>(kChartWidth), static_cast<int>(kChartHeight)));

    struct Row {
        QString name;
        QByteArray start;  // the file's first bytes
    };
    const Row rows[] = {
        {QStringLiteral("c.png"), QByteArray("\x89PNG", 4)},
        {QStringLiteral("c.svg"), QByteArray("<?xml")},
        {QStringLiteral("c.pdf"), QByteArray("%PDF")},
        {QStringLiteral("noext"), QByteArray("\x89PNG", 4)},  // ".png" is added
    };
    for (const Row& row : rows) {
        prompts_->paths.push_back(dir_.filePath(row.name));
        EXPECT_TRUE(chart_->saveChartAs()) << row.name.toStdString();
        QString written = dir_.filePath(row.name);
        if (QFileInfo(written).suffix().isEmpty()) {
            written += QStringLiteral(".png");
        }
        QFile f(written);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << written.toStdString();
        EXPECT_TRUE(f.read(8).startsWith(row.start)) << row.name.toStdString();
    }
    EXPECT_TRUE(prompts_->messages.isEmpty());
    EXPECT_TRUE(prompts_->suggestions.value(0).endsWith(QStringLiteral(" chart.png")));

    prompts_->paths.push_back(QStringLiteral("/no/such/dir/c.png"));
    EXPECT_FALSE(chart_->saveChartAs());
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("/no/such/dir/c.png: ") + QString::fromLatin1(kMsgChartNotWritten));
    prompts_->paths.push_back(dir_.filePath(QStringLiteral("c.gif")));
    EXPECT_FALSE(chart_->saveChartAs());
    EXPECT_TRUE(prompts_->messages.value(1).endsWith(QString::fromLatin1(kMsgChartFileType)));

    // Print: the print dialog chooses a PDF file; the chart is one page of it.
    const QString pdf = dir_.filePath(QStringLiteral("printed.pdf"));
    prompts_->dialogHandler = [&pdf](QDialog& d) {
        auto* pd = dynamic_cast<QPrintDialog*>(&d);
        EXPECT_NE(pd, nullptr);
        if (!pd) {
            return false;
        }
        pd->printer()->setOutputFormat(QPrinter::PdfFormat);
        pd->printer()->setOutputFileName(pdf);
        return true;
    };
    EXPECT_TRUE(chart_->printChart());
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    prompts_->dialogHandler = nullptr;  // cancelled: nothing printed
    EXPECT_FALSE(chart_->printChart());
}

// ---------------------------------------------------------------------------------------------
// calvex -ct

struct ProgramRun {
    int exitCode = -1;
    QString err;
};

ProgramRun runChartRequest(const QStringList& args, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    p.setProcessEnvironment(env);
    p.start(
        QStringLiteral("timeout"),
        QStringList{QStringLiteral("-k"), QStringLiteral("5"), QStringLiteral("60"), QStringLiteral(CALVEX_PROGRAM)} +
            args);
    ProgramRun r;
    if (p.waitForFinished(90000) && p.exitStatus() == QProcess::NormalExit) {
        r.exitCode = p.exitCode();
    } else {
        p.kill();
        p.waitForFinished();
    }
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(ChartCommandLine, WritesTheChartOrFailsWithAMessage) {
    QTemporaryDir dir;
    const QString stm = dir.filePath(QStringLiteral("plant.stm"));
    {
        CCalvexDoc doc;
        doc.CurrentPoint().setValue(kTemperature, 813.15);
        doc.CurrentPoint().setValue(kEntropy, 6.7568);
        doc.CurrentPoint().setValue(kEnthalpy, 3479.9);
        doc.CurrentPoint().setValue(kVolume, 0.0335);
        doc.CurrentPoint().setLabel("Throttle");
        doc.StoreCurrentPoint();
        doc.SetInputSelection(kInputPressure | kInputTemperature | kInputIfc67);
        doc.SetDisplayFormat(kTemperature, makeFormat(2, 0, 3));
        ASSERT_TRUE(doc.OnSaveDocument(stm.toStdString()).ok);
    }
    const QString artifacts = QStringLiteral(CALVEX_PRINT_ARTIFACT_DIR);
    QDir().mkpath(artifacts);
    for (const char* ext : {"png", "svg", "pdf"}) {
        const QString out = artifacts + QStringLiteral("/calvex-chart.") + QString::fromLatin1(ext);
        QFile::remove(out);
        const ProgramRun r = runChartRequest({QStringLiteral("-ct"), stm, out}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << ext << " " << r.err.toStdString();
        EXPECT_GT(QFileInfo(out).size(), 1000) << ext;
    }
    // The document's formulation and units: IFC-67, deg C.
    QFile svg(artifacts + QStringLiteral("/calvex-chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("plant.stm - IFC-67"));
    EXPECT_TRUE(text.contains("Temperature - deg C"));
    EXPECT_TRUE(text.contains(">Throttle<"));
    const QImage png(artifacts + QStringLiteral("/calvex-chart.png"));
    EXPECT_EQ(png.size(), QSize(static_cast<int>(kChartWidth), static_cast<int>(kChartHeight)));

    const QString missing = dir.filePath(QStringLiteral("none.stm"));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    QFile damaged(dir.filePath(QStringLiteral("damaged.stm")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(40, '\xFF'));
    damaged.close();
    struct Row {
        QStringList args;
        int status;
        QString message;
    };
    const Row rows[] = {
        {{"-ct", missing, out}, 1, missing + QStringLiteral(": ") + QString::fromLatin1(kMsgFailedToOpen)},
        {{"-ct", damaged.fileName(), out},
         1,
         damaged.fileName() + QStringLiteral(": ") + QString::fromLatin1(kMsgUnexpectedFormat)},
        {{"-ct", stm, QStringLiteral("/no/such/dir/c.png")},
         1,
         QStringLiteral("/no/such/dir/c.png: ") + QString::fromLatin1(kMsgChartNotWritten)},
        {{"-ct", stm, dir.filePath(QStringLiteral("c.bmp"))}, 1, QString::fromLatin1(kMsgChartFileType)},
        {{"-ct", stm}, 2, QStringLiteral("-ct needs a document and a picture file")},
    };
    for (const Row& row : rows) {
        const ProgramRun r = runChartRequest(row.args, dir.path());
        const std::string what = row.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.exitCode, row.status) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("calvex: ") + row.message) ||
                    (row.status == 1 && r.err.contains(row.message)))
            << what << "\n"
            << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << what;
    }
}

}  // namespace
}  // namespace calvex
