// CMainFrame: the program's main window. It owns the document and the form view, the menus
// (File with the recent-file list, Edit, Format, Tools, View, Help), the accelerators, the
// toolbar and the status bar with the commands' prompts, and opens ".stm" files dropped on it.
// The form's commands run in the view; the frame enables them from the view's flags.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "calvex_doc.h"
#include "user_prompts.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace calvex {

class CCalvexView;
class CChartWindow;

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
    QMenu* fileMenu() const noexcept { return fileMenu_; }
    QMenu* viewMenu() const noexcept { return viewMenu_; }
    QMenu* helpMenu() const noexcept { return helpMenu_; }
    QAction* aboutAction() const noexcept { return aboutAct_; }
    // View > Chart (and the toolbar): the Chart window, made when first shown.
    QAction* chartAction() const noexcept { return chartAct_; }
    void showChart();
    CChartWindow* chartWindow() const noexcept { return chart_; }
    // The status bar's indicator of the formulation in use ("IF97" or "IFC-67").
    QLabel* formulationIndicator() const noexcept { return formulationLabel_; }

    // Commands of the expansion tool and of printing. They stand in their menus and on the
    // toolbar, disabled and connected to nothing, until those tools connect and enable them.
    QAction* expansionAction() const noexcept { return expansionAct_; }
    QAction* printAction() const noexcept { return printAct_; }
    QAction* printPreviewAction() const noexcept { return printPreviewAct_; }
    QAction* printSetupAction() const noexcept { return printSetupAct_; }

    // Brings the enabling of the Edit, Format and toolbar commands up to date (run when a menu
    // opens, and when the focus, a selection or the clipboard changes).
    void updateCommands();
    UserPrompts& prompts() noexcept { return *prompts_; }

    // File commands; each returns false when it did not happen (refused, cancelled, failed).
    bool newDocument();
    bool openDocument(const QString& path);
    bool saveDocument();
    bool saveDocumentAs();
    bool saveDocumentTo(const QString& path);
    // Asks to save a modified document; false when the user cancels or the save fails.
    bool maybeSave();

    // Help > About: the program, its version and the equations it uses, with their sources.
    void showAbout();

    QStringList recentFiles() const { return recent_; }

  protected:
    void changeEvent(QEvent* event) override;
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
    // Every change of the document: the title's unsaved-change marker, the chart.
    void documentChanged();
    void refreshChart();
    // Action text and tooltip; status-bar prompt `tip`.
    QAction* makeAction(const char* name, const QString& text, const QString& tip);
    // A toolbar picture with a short text, drawn again in the palette's colours when they change.
    void setTextIcon(QAction* action, const QString& text);

    std::shared_ptr<UserPrompts> prompts_;
    CCalvexDoc doc_;
    CCalvexView* view_ = nullptr;
    QStringList recent_;

    QAction* newAct_ = nullptr;
    QAction* openAct_ = nullptr;
    QAction* saveAct_ = nullptr;
    QAction* saveAsAct_ = nullptr;
    QAction* exitAct_ = nullptr;
    QAction* printAct_ = nullptr;
    QAction* printPreviewAct_ = nullptr;
    QAction* printSetupAct_ = nullptr;
    QAction* cutAct_ = nullptr;
    QAction* copyAct_ = nullptr;
    QAction* pasteAct_ = nullptr;
    QAction* recallAct_ = nullptr;
    QAction* copySpecialAct_ = nullptr;
    QAction* storeAct_ = nullptr;
    QAction* recallPointAct_ = nullptr;
    QAction* replaceAct_ = nullptr;
    QAction* deleteAct_ = nullptr;
    QAction* numberAct_ = nullptr;
    QAction* englishAct_ = nullptr;
    QAction* siAct_ = nullptr;
    QAction* useDefaultsAct_ = nullptr;
    QAction* restoreDefaultsAct_ = nullptr;
    QAction* expansionAct_ = nullptr;
    QAction* if97Act_ = nullptr;
    QAction* ifc67Act_ = nullptr;
    QAction* moreDigitsAct_ = nullptr;
    QAction* fewerDigitsAct_ = nullptr;
    QAction* helpAct_ = nullptr;
    QAction* aboutAct_ = nullptr;
    QAction* chartAct_ = nullptr;
    CChartWindow* chart_ = nullptr;
    bool chartIfc67_ = false;  // the formulation the chart was last told of
    QLabel* formulationLabel_ = nullptr;
    std::vector<std::pair<QAction*, QString>> textIcons_;
    std::array<QAction*, 4> recentActs_{};
    QAction* recentSeparator_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* formatMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

}  // namespace calvex
