// CMainFrame: the program's main window. It owns the document and the form view, the File
// commands with the recent-file list, the toolbar and the status bar, and opens ".stm" files
// dropped on it.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

#include "calvex_doc.h"
#include "user_prompts.h"

class QAction;
class QMenu;
class QToolBar;

namespace calvex {

class CCalvexView;

// Files named on the command line of the program (the first one is opened).
struct CommandLine {
    QString fileToOpen;
};
CommandLine parseCommandLine(const QStringList& arguments);

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // `prompts` answers every message and file dialog; null gives the interactive dialogs.
    explicit CMainFrame(std::shared_ptr<UserPrompts> prompts = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The first document: the file named on the command line, or a new document. False when
    // the file cannot be opened (its message has been shown).
    bool startUp(const CommandLine& commandLine);

    CCalvexDoc& document() noexcept { return doc_; }
    CCalvexView* view() const noexcept { return view_; }
    QToolBar* toolBar() const noexcept { return toolBar_; }
    QMenu* editMenu() const noexcept { return editMenu_; }
    QAction* recallExpressionAction() const noexcept { return recallAct_; }
    QMenu* formatMenu() const noexcept { return formatMenu_; }
    QMenu* toolsMenu() const noexcept { return toolsMenu_; }
    UserPrompts& prompts() noexcept { return *prompts_; }

    // File commands; each returns false when it did not happen (refused, cancelled, failed).
    bool newDocument();
    bool openDocument(const QString& path);
    bool saveDocument();
    bool saveDocumentAs();
    bool saveDocumentTo(const QString& path);
    // Asks to save a modified document; false when the user cancels or the save fails.
    bool maybeSave();

    QStringList recentFiles() const { return recent_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void readRecentFiles();
    void writeRecentFiles() const;
    void addRecentFile(const QString& path);
    void updateRecentMenu();
    void updateTitle();
    void documentShown();

    std::shared_ptr<UserPrompts> prompts_;
    CCalvexDoc doc_;
    CCalvexView* view_ = nullptr;
    QStringList recent_;

    QAction* newAct_ = nullptr;
    QAction* openAct_ = nullptr;
    QAction* saveAct_ = nullptr;
    QAction* saveAsAct_ = nullptr;
    QAction* exitAct_ = nullptr;
    QAction* recallAct_ = nullptr;
    QAction* useDefaultsAct_ = nullptr;
    QAction* restoreDefaultsAct_ = nullptr;
    std::array<QAction*, 4> recentActs_{};
    QAction* recentSeparator_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* formatMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

}  // namespace calvex
