// The printed point table on the offscreen platform: printed into PDF files (read back with
// pdftotext and pdfinfo of poppler-utils), the Print, Print Preview and Print Setup commands of
// the File menu through the scripted prompts, and the command-line print of the program
// itself. The first page of a printed table is kept as a picture (pdftoppm) under the build
// folder: artifacts/calvex-print-page1.png.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "calvex_view.h"
#include "main_frame.h"
#include "point_table_printer.h"
#include "widget_test_support.h"

namespace calvex {
namespace {

constexpr int kBitP = 0, kBitT = 1;

// Output of a poppler tool; empty when it cannot run.
QString runTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QString pdfText(const QString& pdf) {
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

int pdfPages(const QString& pdf) {
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        test::clearSettings();
        ASSERT_TRUE(dir_.isValid());
        prompts_ = std::make_shared<test::ScriptedPrompts>();
        frame_ = std::make_unique<CMainFrame>(prompts_);
        printing_ = installPrinting(*frame_);
        ASSERT_TRUE(frame_->startUp({}));
        view().inputCheck(kBitP)->click();
        view().inputCheck(kBitT)->click();
    }
    void TearDown() override {
        frame_.reset();
        test::clearSettings();
    }

    CCalvexView& view() { return *frame_->view(); }
    CCalvexDoc& doc() { return frame_->document(); }

    // Computes (p, T) in internal units and stores the point under `label`.
    void storePT(double p, double T, const QString& label) {
        view().box(kPressure)->setValueIn(p, 0);
        view().box(kTemperature)->setValueIn(T, 0);
        view().editFlags().recomputeNeeded = true;
        view().labelEdit()->setText(label);
        ASSERT_TRUE(view().Compute());
        view().StorePoint();
    }
    // A wet point, by (p, x): its transport properties are not available.
    void storeWet(const QString& label) {
        CStatePoint& cur = doc().CurrentPoint();
        cur.setValue(kPressure, 0.01);
        cur.setValue(kTemperature, 318.96);
        cur.setValue(kQuality, 0.9);
        cur.setValue(kVolume, 13.2);
        for (const int p : {kSpecificHeat, kViscosity, kConductivity, kPrandtl}) {
            cur.setValue(p, NotAvailableMarker);
        }
        cur.setLabel(label.toStdString());
        doc().StoreCurrentPoint();
    }

    QString pdfPath(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QString printToPdf(const char* name) {
        const QString path = pdfPath(name);
        printing_->printer().setOutputFormat(QPrinter::PdfFormat);
        printing_->printer().setOutputFileName(path);
        EXPECT_TRUE(printing_->PrintDirect());
        return path;
    }

    int expectedPages() {
        return PointTablePrinter(doc(), view().boxFormats()).layoutFor(printing_->printer()).pageCount;
    }

    QTemporaryDir dir_;
    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
    CPointTablePrinting* printing_ = nullptr;
};

TEST_F(Printing, CommandsAreEnabled) {
    EXPECT_TRUE(frame_->printAction()->isEnabled());
    EXPECT_TRUE(frame_->printPreviewAction()->isEnabled());
    EXPECT_TRUE(frame_->printSetupAction()->isEnabled());
}

TEST_F(Printing, PrintFontIsArialOrItsMetrics) {
    const QFont f = pointTableFont();
    EXPECT_EQ(f.family(), QStringLiteral("Arial"));
    EXPECT_EQ(f.pointSize(), 10);
    const QString used = QFontInfo(f).family();
    EXPECT_TRUE(used == QStringLiteral("Arial") || used == QStringLiteral("Liberation Sans") ||
                used == QStringLiteral("Arimo"))
        << used.toStdString();
}

TEST_F(Printing, TableInAPdf) {
    storePT(10.0, 823.15, QStringLiteral("Inlet"));
    storePT(1.0, 553.15, QStringLiteral("Crossover"));
    storeWet(QStringLiteral("Exhaust"));
    const QString pdf = printToPdf("table.pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf));
    const QString text = pdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
    EXPECT_TRUE(text.contains(QStringLiteral("Caldora Output Table - Untitled")));
    for (const char* s : {"Point Number",
                          "Point Label",
                          "Pressure - MPa",
                          "Temperature - deg K",
                          "Quality",
                          "Enthalpy - kJ/kg",
                          "Specific Heat - kJ/kg/C",
                          "Prandtl No.",
                          "Sonic Velocity - m/sec",
                          "Inlet",
                          "Crossover",
                          "Exhaust",
                          "10.00",
                          "823.15",
                          "553.15",
                          "Not Available"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(s))) << s;
    }
    // The stored values as the form's boxes format them.
    const auto column = pointTableColumn(doc(), 0, view().boxFormats());
    for (const std::string& s : column) {
        EXPECT_TRUE(text.contains(QString::fromStdString(s))) << s;
    }
    // The current point is not printed: its label is only the stored one.
    EXPECT_EQ(text.count(QStringLiteral("Inlet")), 1);
    EXPECT_EQ(pdfPages(pdf), 1);

    // The first page as a picture for a person to look at.
    const QString artifacts = QStringLiteral(CALVEX_PRINT_ARTIFACT_DIR);
    QDir().mkpath(artifacts);
    const QString base = artifacts + QStringLiteral("/calvex-print-page1");
    QFile::remove(base + QStringLiteral(".png"));
    QProcess ppm;
    ppm.start(QStringLiteral("pdftoppm"),
              {QStringLiteral("-png"),
               QStringLiteral("-r"),
               QStringLiteral("80"),
               QStringLiteral("-f"),
               QStringLiteral("1"),
               QStringLiteral("-l"),
               QStringLiteral("1"),
               QStringLiteral("-singlefile"),
               pdf,
               base});
    ASSERT_TRUE(ppm.waitForFinished(30000));
    EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral(".png")));
}

TEST_F(Printing, NoPointsPrintsOnePageWithTheTitle) {
    const QString pdf = printToPdf("empty.pdf");
    EXPECT_EQ(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Caldora Output Table - Untitled")));
    EXPECT_FALSE(text.contains(QStringLiteral("Point Number")));
}

TEST_F(Printing, ManyPointsOverSeveralPages) {
    const TableLayout one = PointTablePrinter(doc(), view().boxFormats()).layoutFor(printing_->printer());
    ASSERT_GE(one.pointsPerPage, 1);
    // pp + 1 points: two pages, the last point alone on the second.
    for (int i = 0; i <= one.pointsPerPage; ++i) {
        storePT(1.0 + 0.1 * i, 600.0, QStringLiteral("P%1").arg(i + 1));
    }
    ASSERT_EQ(expectedPages(), 2);
    const QString pdf = printToPdf("many.pdf");
    EXPECT_EQ(pdfPages(pdf), 2);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("P%1").arg(one.pointsPerPage + 1)));
    EXPECT_EQ(text.count(QStringLiteral("Caldora Output Table - Untitled")), 2);
}

TEST_F(Printing, TinyPageStillPrintsEveryPoint) {
    storePT(10.0, 823.15, QStringLiteral("Inlet"));
    storePT(1.0, 553.15, QStringLiteral("Crossover"));
    // A page of 1 by 1 inch: one column and one block per page, one point per page.
    printing_->printer().setPageSize(QPageSize(QSizeF(25.4, 25.4), QPageSize::Millimeter));
    printing_->printer().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    ASSERT_EQ(expectedPages(), 2);
    const QString pdf = printToPdf("tiny.pdf");
    EXPECT_EQ(pdfPages(pdf), 2);
}

TEST_F(Printing, PrintCommandPrintsTheChosenPrinter) {
    storePT(10.0, 823.15, QStringLiteral("Inlet"));
    const QString pdf = pdfPath("print-command.pdf");
    printing_->printer().setOutputFormat(QPrinter::PdfFormat);
    printing_->printer().setOutputFileName(pdf);
    bool wasPrintDialog = false;
    prompts_->dialogHandler = [&wasPrintDialog](QDialog& d) {
        auto* dlg = dynamic_cast<QPrintDialog*>(&d);
        wasPrintDialog = dlg != nullptr;
        if (dlg) {
            EXPECT_EQ(dlg->minPage(), 1);
            EXPECT_EQ(dlg->maxPage(), 1);
        }
        return true;
    };
    frame_->printAction()->trigger();
    EXPECT_TRUE(wasPrintDialog);
    EXPECT_TRUE(prompts_->messages.isEmpty());
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Inlet")));
}

TEST_F(Printing, PrintCancelledPrintsNothing) {
    const QString pdf = pdfPath("cancelled.pdf");
    printing_->printer().setOutputFormat(QPrinter::PdfFormat);
    printing_->printer().setOutputFileName(pdf);
    prompts_->dialogHandler = [](QDialog&) { return false; };
    frame_->printAction()->trigger();
    EXPECT_EQ(prompts_->dialogs, 1);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(Printing, PreviewShowsThePages) {
    for (int i = 0; i < 3; ++i) {
        storePT(1.0 + i, 700.0, QStringLiteral("Q%1").arg(i));
    }
    printing_->printer().setOutputFormat(QPrinter::PdfFormat);
    int pages = -1;
    prompts_->dialogHandler = [&pages](QDialog& d) {
        auto* dlg = dynamic_cast<QPrintPreviewDialog*>(&d);
        EXPECT_NE(dlg, nullptr);
        if (!dlg) {
            return false;
        }
        auto* preview = dlg->findChild<QPrintPreviewWidget*>();
        EXPECT_NE(preview, nullptr);
        if (preview) {
            preview->updatePreview();
            pages = preview->pageCount();
        }
        return false;
    };
    frame_->printPreviewAction()->trigger();
    EXPECT_EQ(pages, expectedPages());
}

TEST_F(Printing, SetupChoosesThePrinterAndPrintsNothing) {
    storePT(10.0, 823.15, QStringLiteral("Inlet"));
    const QString pdf = pdfPath("setup.pdf");
    printing_->printer().setOutputFormat(QPrinter::PdfFormat);
    printing_->printer().setOutputFileName(pdf);
    bool wasSetup = false;
    prompts_->dialogHandler = [&wasSetup](QDialog& d) {
        // The page setup dialog on a platform printer; the print dialog on the PDF printer.
        wasSetup = dynamic_cast<QPrintDialog*>(&d) != nullptr && d.windowTitle() == QStringLiteral("Print Setup");
        return true;
    };
    frame_->printSetupAction()->trigger();
    EXPECT_TRUE(wasSetup);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

// ---------------------------------------------------------------------------------------------
// Command line

TEST(PrintCommandLine, Requests) {
    EXPECT_FALSE(parsePrintRequest({"calvex"}).has_value());
    EXPECT_FALSE(parsePrintRequest({"calvex", "a.stm"}).has_value());
    EXPECT_FALSE(parsePrintRequest({"calvex", "-p"}).has_value());
    EXPECT_FALSE(parsePrintRequest({"calvex", "-pt", "a.stm"}).has_value());
    const auto p = parsePrintRequest({"calvex", "-p", "a.stm"});
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->file, QStringLiteral("a.stm"));
    EXPECT_TRUE(p->target.isEmpty());
    const auto slash = parsePrintRequest({"calvex", "/p", "b.stm"});
    ASSERT_TRUE(slash.has_value());
    EXPECT_EQ(slash->file, QStringLiteral("b.stm"));
    const auto to = parsePrintRequest({"calvex", "-pt", "a.stm", "out.pdf"});
    ASSERT_TRUE(to.has_value());
    EXPECT_EQ(to->file, QStringLiteral("a.stm"));
    EXPECT_EQ(to->target, QStringLiteral("out.pdf"));
}

TEST(PrintCommandLine, PrintsADocumentIntoAPdf) {
    test::clearSettings();
    QTemporaryDir dir;
    const QString stm = dir.filePath(QStringLiteral("turbine.stm"));
    {
        CCalvexDoc doc;
        doc.OnNewDocument();
        doc.CurrentPoint().setValue(kPressure, 4.0);
        doc.CurrentPoint().setValue(kTemperature, 700.0);
        doc.CurrentPoint().setLabel("HP exhaust");
        doc.StoreCurrentPoint();
        ASSERT_TRUE(doc.OnSaveDocument(stm.toStdString()).ok);
    }
    const QString pdf = dir.filePath(QStringLiteral("turbine.pdf"));
    auto prompts = std::make_shared<test::ScriptedPrompts>();
    EXPECT_EQ(printFromCommandLine({stm, pdf}, prompts), 0);
    EXPECT_TRUE(prompts->messages.isEmpty());
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Caldora Output Table - turbine.stm")));
    EXPECT_TRUE(text.contains(QStringLiteral("HP exhaust")));
    EXPECT_TRUE(text.contains(QStringLiteral("700.00")));
    test::clearSettings();
}

TEST(PrintCommandLine, NoPrinterInstalled) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a printer is installed";
    }
    test::clearSettings();
    QTemporaryDir dir;
    const QString stm = dir.filePath(QStringLiteral("a.stm"));
    {
        CCalvexDoc doc;
        doc.OnNewDocument();
        ASSERT_TRUE(doc.OnSaveDocument(stm.toStdString()).ok);
    }
    auto prompts = std::make_shared<test::ScriptedPrompts>();
    EXPECT_EQ(printFromCommandLine({stm, QString()}, prompts), 1);
    EXPECT_EQ(prompts->messages.value(0), QString::fromLatin1(kMsgNoPrinter));
    test::clearSettings();
}

TEST(PrintCommandLine, MissingDocument) {
    test::clearSettings();
    QTemporaryDir dir;
    auto prompts = std::make_shared<test::ScriptedPrompts>();
    EXPECT_EQ(printFromCommandLine({dir.filePath(QStringLiteral("none.stm")), dir.filePath(QStringLiteral("x.pdf"))},
                                   prompts),
              1);
    EXPECT_EQ(prompts->messages.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("x.pdf"))));
    test::clearSettings();
}

TEST(PrintCommandLine, TheProgramPrintsWithoutAWindow) {
    // The program itself, started with -pt: it prints and ends without an event loop, so it
    // never waits for a window.
    QTemporaryDir dir;
    const QString stm = dir.filePath(QStringLiteral("plant.stm"));
    {
        CCalvexDoc doc;
        doc.OnNewDocument();
        doc.CurrentPoint().setValue(kPressure, 2.5);
        doc.CurrentPoint().setLabel("Boiler");
        doc.StoreCurrentPoint();
        ASSERT_TRUE(doc.OnSaveDocument(stm.toStdString()).ok);
    }
    const QString pdf = dir.filePath(QStringLiteral("plant.pdf"));
    QProcess calvex;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    calvex.setProcessEnvironment(env);
    calvex.start(QStringLiteral(CALVEX_PROGRAM), {QStringLiteral("-pt"), stm, pdf});
    ASSERT_TRUE(calvex.waitForFinished(60000));
    EXPECT_EQ(calvex.exitCode(), 0);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Caldora Output Table - plant.stm")));
    EXPECT_TRUE(text.contains(QStringLiteral("Boiler")));
    EXPECT_TRUE(text.contains(QStringLiteral("2.50")));
}

}  // namespace
}  // namespace calvex
