// The main window: title, size, File commands through scripted prompts, damaged files,
// dropped files and the recent-file list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QLabel>
#include <QToolBar>
#include <QUrl>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

#include "about_dialog.h"
#include "calvex_view.h"
#include "command_line.h"
#include "main_frame.h"
#include "widget_test_support.h"

namespace calvex {
namespace {

class MainFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        test::clearSettings();
        ASSERT_TRUE(dir_.isValid());
        prompts_ = std::make_shared<test::ScriptedPrompts>();
        frame_ = std::make_unique<CMainFrame>(prompts_);
        ASSERT_TRUE(frame_->startUp({}));
    }
    void TearDown() override {
        frame_.reset();
        test::clearSettings();
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A document with two stored points saved as `name`.
    QString writeSample(const QString& name) {
        CCalvexDoc d;
        d.CurrentPoint().setLabel("A");
        d.CurrentPoint().setValue(kPressure, 1.0);
        d.StoreCurrentPoint();
        d.CurrentPoint().setLabel("B");
        d.CurrentPoint().setValue(kVolume, 0.5);
        d.StoreCurrentPoint();
        const QString p = path(name);
        EXPECT_TRUE(d.OnSaveDocument(p.toStdString()).ok);
        return p;
    }

    QTemporaryDir dir_;
    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(MainFrame, TitleSizeToolbarAndStatusBar) {
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Untitled[*] - Caldora"));
    EXPECT_EQ(frame_->size(), QSize(480, 485));
    EXPECT_NE(frame_->toolBar(), nullptr);
    EXPECT_NE(frame_->statusBar(), nullptr);
    EXPECT_TRUE(frame_->document().IsNewDocument());
}

TEST_F(MainFrame, OpenShowsTheDocument) {
    const QString file = writeSample(QStringLiteral("two.stm"));
    ASSERT_TRUE(frame_->openDocument(file));
    EXPECT_EQ(frame_->document().GetStoredCount(), 2);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("two.stm[*] - Caldora"));
    EXPECT_EQ(frame_->view()->box(kVolume)->text(), QStringLiteral("0.5000"));
    EXPECT_EQ(frame_->view()->labelEdit()->text(), QStringLiteral("B"));
    EXPECT_FALSE(frame_->view()->editFlags().recomputeNeeded);  // volume > 0: a computed point
    EXPECT_TRUE(prompts_->messages.isEmpty());
}

TEST_F(MainFrame, DamagedFileGivesTheMessageAndKeepsTheOpenDocument) {
    const QString good = writeSample(QStringLiteral("good.stm"));
    ASSERT_TRUE(frame_->openDocument(good));
    const auto before = frame_->document().SaveToBytes();

    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    f.close();
    const QString cut = path(QStringLiteral("cut.stm"));
    QFile c(cut);
    ASSERT_TRUE(c.open(QIODevice::WriteOnly));
    c.write(all.left(all.size() - 3));
    c.close();

    EXPECT_FALSE(frame_->openDocument(cut));
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages[0], QStringLiteral("An attempt was made to access %1 past its end.").arg(cut));
    EXPECT_EQ(frame_->document().SaveToBytes(), before);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("good.stm[*] - Caldora"));

    QByteArray negative = all;
    negative[0] = '\xFF';
    negative[1] = '\xFF';
    negative[2] = '\xFF';
    negative[3] = '\xFF';
    const QString neg = path(QStringLiteral("neg.stm"));
    QFile n(neg);
    ASSERT_TRUE(n.open(QIODevice::WriteOnly));
    n.write(negative);
    n.close();
    EXPECT_FALSE(frame_->openDocument(neg));
    ASSERT_EQ(prompts_->messages.size(), 2);
    EXPECT_EQ(prompts_->messages[1], QStringLiteral("Unexpected file format."));
    EXPECT_EQ(frame_->document().SaveToBytes(), before);
}

TEST_F(MainFrame, SaveAsThroughThePrompt) {
    frame_->document().SetModifiedFlag();
    prompts_->paths.push_back(path(QStringLiteral("fresh")));  // no extension: ".stm" is added
    ASSERT_TRUE(frame_->saveDocument());
    EXPECT_EQ(prompts_->suggestions.value(0), QStringLiteral("Untitled.stm"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("fresh.stm"))));
    EXPECT_EQ(QFile(path(QStringLiteral("fresh.stm"))).size(), 212);
    EXPECT_FALSE(frame_->document().IsModified());
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("fresh.stm[*] - Caldora"));
}

TEST_F(MainFrame, ModifiedDocumentAsksBeforeItIsReplaced) {
    frame_->document().SetModifiedFlag();
    prompts_->answers.push_back(UserPrompts::Answer::Cancel);
    EXPECT_FALSE(frame_->newDocument());
    ASSERT_EQ(prompts_->questions.size(), 1);
    EXPECT_EQ(prompts_->questions[0], QStringLiteral("Save changes to Untitled?"));
    EXPECT_TRUE(frame_->document().IsModified());

    prompts_->answers.push_back(UserPrompts::Answer::No);
    EXPECT_TRUE(frame_->newDocument());
    EXPECT_FALSE(frame_->document().IsModified());
}

TEST_F(MainFrame, DroppedStmFileIsOpened) {
    const QString file = writeSample(QStringLiteral("dropped.stm"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path(QStringLiteral("notes.txt"))), QUrl::fromLocalFile(file)});
    // Delivered straight to the window's event handler: the application's own delivery of a
    // drop needs a drag in progress, which a headless test has not.
    QObject* target = frame_.get();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    target->event(&enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    target->event(&drop);
    EXPECT_EQ(frame_->document().GetStoredCount(), 2);
    EXPECT_EQ(frame_->document().GetPathName(), file.toStdString());

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(path(QStringLiteral("notes.txt")))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    target->event(&refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainFrame, RecentFilesKeepTheLastFour) {
    QStringList files;
    for (int i = 0; i < 6; ++i) {
        files.append(writeSample(QStringLiteral("r%1.stm").arg(i)));
        ASSERT_TRUE(frame_->openDocument(files.last()));
    }
    ASSERT_TRUE(frame_->openDocument(files[3]));  // moves to the top
    const QStringList expected{files[3], files[5], files[4], files[2]};
    EXPECT_EQ(frame_->recentFiles(), expected);
    // A new window reads the same list from the settings.
    CMainFrame other(prompts_);
    EXPECT_EQ(other.recentFiles(), expected);
}

TEST_F(MainFrame, F2RecallsTheExpressionOfTheFocusedBox) {
    frame_->show();
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    CIOBox* pressure = frame_->view()->box(kPressure);
    pressure->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(pressure, QStringLiteral("2*5"));
    EXPECT_TRUE(frame_->view()->editFlags().editInProgress);
    frame_->view()->box(kTemperature)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(pressure->value(), 10.0);
    EXPECT_TRUE(frame_->view()->editFlags().recomputeNeeded);
    EXPECT_TRUE(frame_->view()->marker(kPressure)->isVisible());

    pressure->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(pressure, Qt::Key_F2);
    EXPECT_EQ(pressure->text(), QStringLiteral("2*5"));
    EXPECT_EQ(frame_->recallExpressionAction()->statusTip(),
              QStringLiteral("Recall the expression you previously entered in an IO Box"));
}

TEST_F(MainFrame, TitleMarksAnUnsavedChange) {
    EXPECT_FALSE(frame_->isWindowModified());
    frame_->view()->SelectUnit(kPressure, 1);  // a change of the document
    EXPECT_TRUE(frame_->isWindowModified());
    prompts_->paths.push_back(path(QStringLiteral("marked.stm")));
    ASSERT_TRUE(frame_->saveDocument());
    EXPECT_FALSE(frame_->isWindowModified());
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("marked.stm[*] - Caldora"));
    frame_->view()->EnglishUnits();
    EXPECT_TRUE(frame_->isWindowModified());
    ASSERT_TRUE(frame_->openDocument(path(QStringLiteral("marked.stm"))));
    EXPECT_FALSE(frame_->isWindowModified());
}

TEST_F(MainFrame, StatusBarShowsTheFormulation) {
    QLabel* indicator = frame_->formulationIndicator();
    ASSERT_NE(indicator, nullptr);
    EXPECT_TRUE(indicator->isVisibleTo(frame_->statusBar()));
    EXPECT_EQ(indicator->text(), QStringLiteral("IF97"));
    frame_->view()->UseIFC67();
    EXPECT_EQ(indicator->text(), QStringLiteral("IFC-67"));
    // A temporary message does not hide it.
    frame_->statusBar()->showMessage(QStringLiteral("Convert all values to SI units"));
    EXPECT_TRUE(indicator->isVisibleTo(frame_->statusBar()));
    frame_->view()->UseIF97();
    EXPECT_EQ(indicator->text(), QStringLiteral("IF97"));
}

TEST_F(MainFrame, AboutNamesTheProgramVersionAndEquations) {
    QString shown;
    prompts_->dialogHandler = [&shown](QDialog& d) {
        if (auto* about = qobject_cast<CAboutDialog*>(&d)) {
            shown = about->textLabel()->text();
        }
        return true;
    };
    frame_->aboutAction()->trigger();
    EXPECT_TRUE(frame_->helpMenu()->actions().contains(frame_->aboutAction()));
    for (const char* part : {"Calvex",
                             "Caldora",
                             "IAPWS-IF97",
                             "IFC-67",
                             "Viscosity of Ordinary Water Substance",
                             "Thermal Conductivity of Ordinary Water Substance",
                             "1985",
                             "1997",
                             "1967"}) {
        EXPECT_TRUE(shown.contains(QString::fromLatin1(part))) << part;
    }
    EXPECT_TRUE(shown.contains(programVersion()));
}

TEST_F(MainFrame, EveryBoxAndButtonHasATooltip) {
    int checked = 0;
    for (QWidget* w : frame_->view()->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
            if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) {
                continue;  // the edit inside a combo box
            }
            EXPECT_FALSE(w->toolTip().isEmpty())
                << w->objectName().toStdString() << " " << w->metaObject()->className();
            ++checked;
        }
    }
    EXPECT_GE(checked, 11 + 11 + 5 + 8 + 1 + 1 + 5);  // boxes, fields, checks, unit lists, label, list, buttons
    for (QAction* a : frame_->toolBar()->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->objectName().toStdString();
            EXPECT_FALSE(a->statusTip().isEmpty()) << a->objectName().toStdString();
        }
    }
}

// The lightness of the darkest or lightest drawn pixel of an action's toolbar picture.
int drawnLightness(const QAction* a, bool darkest) {
    const QImage img = a->icon().pixmap(QSize(24, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    int best = darkest ? 256 : -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() == 255) {
                best = darkest ? std::min(best, c.lightness()) : std::max(best, c.lightness());
            }
        }
    }
    return best;
}

TEST_F(MainFrame, ToolbarPicturesFollowThePaletteColours) {
    QPalette dark = frame_->palette();
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    frame_->setPalette(dark);
    QApplication::processEvents();
    for (QAction* a : {frame_->expansionAction(), frame_->printAction()}) {
        EXPECT_GT(drawnLightness(a, true), 200) << a->objectName().toStdString();
    }
    QPalette light = dark;
    light.setColor(QPalette::Window, QColor(240, 240, 240));
    light.setColor(QPalette::WindowText, QColor(20, 20, 20));
    frame_->setPalette(light);
    QApplication::processEvents();
    for (QAction* a : {frame_->expansionAction(), frame_->printAction()}) {
        EXPECT_LT(drawnLightness(a, false), 60) << a->objectName().toStdString();
    }
}

TEST(CommandLineParse, FirstFileArgument) {
    EXPECT_EQ(parseCommandLine({"calvex"}).fileToOpen, QString());
    EXPECT_EQ(parseCommandLine({"calvex", "a.stm", "b.stm"}).fileToOpen, QStringLiteral("a.stm"));
    EXPECT_EQ(parseCommandLine({"calvex", "-x", "c.stm"}).fileToOpen, QStringLiteral("c.stm"));
}

}  // namespace
}  // namespace calvex
