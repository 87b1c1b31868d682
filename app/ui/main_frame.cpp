#include "main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QPainter>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "about_dialog.h"
#include "app_strings.h"
#include "calvex_view.h"
#include "chart_window.h"
#include "defaults_store.h"
#include "io_box.h"

namespace calvex {

namespace {

// A small toolbar picture: the command's short name drawn in a frame, in the text colour of the
// palette (so it stays legible on a dark theme); the disabled form in the disabled text colour.
QPixmap textPixmap(const QString& text, const QColor& color) {
    QPixmap pm(24, 16);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setPen(color);
    painter.drawRect(0, 0, 23, 15);
    QFont f = painter.font();
    f.setPixelSize(9);
    painter.setFont(f);
    painter.drawText(pm.rect(), Qt::AlignCenter, text);
    painter.end();
    return pm;
}

QIcon textIcon(const QString& text, const QPalette& palette) {
    QIcon icon(textPixmap(text, palette.color(QPalette::Active, QPalette::WindowText)));
    icon.addPixmap(textPixmap(text, palette.color(QPalette::Disabled, QPalette::WindowText)), QIcon::Disabled);
    return icon;
}

bool isStmFile(const QString& path) { return path.endsWith(QString::fromLatin1(kFileExtension), Qt::CaseInsensitive); }

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CMainFrame::CMainFrame(std::shared_ptr<UserPrompts> prompts, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts ? std::move(prompts) : std::make_shared<DialogPrompts>()) {
    view_ = new CCalvexView(doc_, prompts_, this);
    setCentralWidget(view_);
    // The title's unsaved-change marker follows the document's modified flag.
    doc_.SetChangeListener([this] { documentChanged(); });
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    readRecentFiles();
    setAcceptDrops(true);
    updateTitle();

    // The enabling of the commands follows the form's flags, the focus, selections and the clipboard.
    connect(view_, &CCalvexView::commandsChanged, this, &CMainFrame::updateCommands);
    connect(view_, &CCalvexView::expansionChanged, this, &CMainFrame::refreshChart);
    connect(qApp, &QApplication::focusChanged, this, [this] { updateCommands(); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::updateCommands);
    for (int p = 0; p < kPropertyCount; ++p) {
        connect(view_->box(p), &QLineEdit::selectionChanged, this, &CMainFrame::updateCommands);
    }
    updateCommands();

    resize(kFrameWidth, kFrameHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), QSize(kFrameWidth, kFrameHeight));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool CMainFrame::startUp(const CommandLine& commandLine) {
    if (!commandLine.fileToOpen.isEmpty()) {
        return openDocument(commandLine.fileToOpen);
    }
    doc_.OnNewDocument();
    documentShown();
    return true;
}

CMainFrame::~CMainFrame() {
    // No more command updates: the focus and clipboard signals must not reach a view that is
    // being destroyed.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    doc_.SetChangeListener(nullptr);
    // The chart reads the view: it goes first.
    delete chart_;
    chart_ = nullptr;
    // The view goes first, while the document it shows still exists; it saves the defaults.
    CCalvexView* view = view_;
    view_ = nullptr;
    delete view;
}

QAction* CMainFrame::makeAction(const char* name, const QString& text, const QString& tip) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(tip);
    if (!tip.isEmpty()) {
        a->setToolTip(tip);
    }
    return a;
}

void CMainFrame::setTextIcon(QAction* action, const QString& text) {
    textIcons_.push_back({action, text});
    action->setIcon(textIcon(text, palette()));
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        for (const auto& [action, text] : textIcons_) {
            action->setIcon(textIcon(text, palette()));
        }
    }
}

void CMainFrame::createActions() {
    newAct_ = makeAction("actionNew", QStringLiteral("&New"), QStringLiteral("Create a new document"));
    newAct_->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    newAct_->setShortcut(QKeySequence::New);
    connect(newAct_, &QAction::triggered, this, [this] { newDocument(); });

    openAct_ = makeAction("actionOpen", QStringLiteral("&Open..."), QStringLiteral("Open an existing document"));
    openAct_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    openAct_->setShortcut(QKeySequence::Open);
    connect(openAct_, &QAction::triggered, this, [this] {
        if (!maybeSave()) {
            return;
        }
        const QString path = prompts_->openFileName(this, QString::fromLatin1(kFileFilter));
        if (!path.isEmpty()) {
            openDocument(path);
        }
    });

    saveAct_ = makeAction("actionSave", QStringLiteral("&Save"), QStringLiteral("Save the active document"));
    saveAct_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    saveAct_->setShortcut(QKeySequence::Save);
    connect(saveAct_, &QAction::triggered, this, [this] { saveDocument(); });

    saveAsAct_ = makeAction(
        "actionSaveAs", QStringLiteral("Save &As..."), QStringLiteral("Save the active document with a new name"));
    connect(saveAsAct_, &QAction::triggered, this, [this] { saveDocumentAs(); });

    // Printing is a tool of its own: its commands stand here, idle until it connects them.
    printAct_ = makeAction("actionPrint", QStringLiteral("&Print..."), QStringLiteral("Print the active document"));
    setTextIcon(printAct_, QStringLiteral("Prn"));
    printAct_->setShortcut(QKeySequence::Print);
    printPreviewAct_ =
        makeAction("actionPrintPreview", QStringLiteral("Print Pre&view"), QStringLiteral("Display full pages"));
    printSetupAct_ = makeAction("actionPrintSetup",
                                QStringLiteral("P&rint Setup..."),
                                QStringLiteral("Change the printer and printing options"));
    for (QAction* a : {printAct_, printPreviewAct_, printSetupAct_}) {
        a->setEnabled(false);
    }

    exitAct_ = makeAction(
        "actionExit", QStringLiteral("E&xit"), QStringLiteral("Quit the application; prompts to save documents"));
    connect(exitAct_, &QAction::triggered, this, &QWidget::close);

    for (std::size_t i = 0; i < recentActs_.size(); ++i) {
        recentActs_[i] = new QAction(this);
        recentActs_[i]->setVisible(false);
        connect(recentActs_[i], &QAction::triggered, this, [this, i] {
            if (i < static_cast<std::size_t>(recent_.size()) && maybeSave()) {
                openDocument(recent_[static_cast<qsizetype>(i)]);
            }
        });
    }

    // Edit: the clipboard commands go to the focused control.
    cutAct_ = makeAction(
        "actionCut", QStringLiteral("Cu&t"), QStringLiteral("Cut the selection and put it on the Clipboard"));
    setTextIcon(cutAct_, QStringLiteral("Cut"));
    cutAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    connect(cutAct_, &QAction::triggered, this, [this] { view_->CutToClipboard(); });
    copyAct_ = makeAction(
        "actionCopy", QStringLiteral("&Copy"), QStringLiteral("Copy the selection and put it on the Clipboard"));
    setTextIcon(copyAct_, QStringLiteral("Copy"));
    copyAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    connect(copyAct_, &QAction::triggered, this, [this] { view_->CopyToClipboard(); });
    pasteAct_ = makeAction("actionPaste", QStringLiteral("&Paste"), QStringLiteral("Insert Clipboard contents"));
    setTextIcon(pasteAct_, QStringLiteral("Paste"));
    pasteAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    connect(pasteAct_, &QAction::triggered, this, [this] { view_->PasteFromClipboard(); });

    recallAct_ = makeAction("actionRecallExpression",
                            QStringLiteral("Recall Expression"),
                            QStringLiteral("Recall the expression you previously entered in an IO Box"));
    recallAct_->setShortcut(Qt::Key_F2);
    connect(recallAct_, &QAction::triggered, this, [this] { view_->RecallExpression(); });

    // The menu names Alt+C; Ctrl+Shift+C is the accelerator. Both keys run the command.
    copySpecialAct_ = makeAction("actionCopySpecial",
                                 QStringLiteral("Copy Special\tAlt+C"),
                                 QStringLiteral("Copies all properties for current point or stored points to the "
                                                "clipboard"));
    copySpecialAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), QKeySequence(Qt::ALT | Qt::Key_C)});
    connect(copySpecialAct_, &QAction::triggered, this, [this] { view_->CopySpecial(); });

    storeAct_ = makeAction("actionStorePoint",
                           QStringLiteral("Store Point"),
                           QStringLiteral("Store current point to the collection of stored points"));
    connect(storeAct_, &QAction::triggered, this, [this] { view_->StorePoint(); });
    recallPointAct_ = makeAction("actionRecallPoint",
                                 QStringLiteral("Recall Point"),
                                 QStringLiteral("Copies the displayed stored point to the current point"));
    connect(recallPointAct_, &QAction::triggered, this, [this] { view_->RecallPoint(); });
    replaceAct_ = makeAction("actionReplacePoint",
                             QStringLiteral("Replace Point"),
                             QStringLiteral("Replace the displayed stored point with the current point"));
    connect(replaceAct_, &QAction::triggered, this, [this] { view_->ReplacePoint(); });
    deleteAct_ = makeAction("actionDeletePoint",
                            QStringLiteral("Delete Point"),
                            QStringLiteral("Delete a stored point from the collection"));
    connect(deleteAct_, &QAction::triggered, this, [this] { view_->DeletePoint(); });

    // Format.
    numberAct_ = makeAction("actionNumberFormat",
                            QStringLiteral("Number..."),
                            QStringLiteral("Select the number format for each property"));
    connect(numberAct_, &QAction::triggered, this, [this] { view_->NumberFormat(); });
    englishAct_ = makeAction(
        "actionEnglishUnits", QStringLiteral("English Units"), QStringLiteral("Convert all values to English units"));
    setTextIcon(englishAct_, QStringLiteral("Eng"));
    connect(englishAct_, &QAction::triggered, this, [this] { view_->EnglishUnits(); });
    siAct_ = makeAction("actionSIUnits", QStringLiteral("SI Units"), QStringLiteral("Convert all values to SI units"));
    setTextIcon(siAct_, QStringLiteral("SI"));
    connect(siAct_, &QAction::triggered, this, [this] { view_->SIUnits(); });
    useDefaultsAct_ = makeAction("actionUseDefaults",
                                 QStringLiteral("Use Settings as Default"),
                                 QStringLiteral("Use the current settings as the default settings"));
    connect(useDefaultsAct_, &QAction::triggered, this, [this] { view_->UseSettingsAsDefault(); });
    restoreDefaultsAct_ = makeAction("actionRestoreDefaults",
                                     QStringLiteral("Restore Default Settings"),
                                     QStringLiteral("Restore settings to the defaul settings"));
    connect(restoreDefaultsAct_, &QAction::triggered, this, [this] { view_->RestoreDefaultSettings(); });

    // Tools. The expansion tool connects and enables its command when it is built in.
    expansionAct_ =
        makeAction("actionExpansion", QStringLiteral("Ex&pansion"), QStringLiteral("Open the Expansion Tool"));
    setTextIcon(expansionAct_, QStringLiteral("Exp"));
    expansionAct_->setEnabled(false);
    if97Act_ = makeAction("actionUseIF97",
                          QStringLiteral("Use IF97"),
                          QStringLiteral("Use IF97 formulations to calculate steam properties"));
    ifc67Act_ = makeAction("actionUseIFC67",
                           QStringLiteral("Use IFC-67"),
                           QStringLiteral("Use IFC-67 formulations to calculate steam properties"));
    auto* formulations = new QActionGroup(this);
    for (QAction* a : {if97Act_, ifc67Act_}) {
        a->setCheckable(true);
        formulations->addAction(a);
    }
    if97Act_->setChecked(true);
    connect(if97Act_, &QAction::triggered, this, [this] { view_->UseIF97(); });
    connect(ifc67Act_, &QAction::triggered, this, [this] { view_->UseIFC67(); });

    chartAct_ = makeAction(
        "actionChart", QStringLiteral("&Chart"), QStringLiteral("Show the T-s and h-s chart of the document"));
    setTextIcon(chartAct_, QStringLiteral("Cht"));
    connect(chartAct_, &QAction::triggered, this, &CMainFrame::showChart);

    // Toolbar only: digits of the focused IO box.
    moreDigitsAct_ = makeAction("actionMoreDigits",
                                QStringLiteral("One More Digit"),
                                QStringLiteral("Show one more digit in the selected box"));
    setTextIcon(moreDigitsAct_, QStringLiteral(".0+"));
    connect(moreDigitsAct_, &QAction::triggered, this, [this] { view_->AdjustDigits(1); });
    fewerDigitsAct_ = makeAction("actionFewerDigits",
                                 QStringLiteral("One Digit Fewer"),
                                 QStringLiteral("Show one digit fewer in the selected box"));
    setTextIcon(fewerDigitsAct_, QStringLiteral(".0-"));
    connect(fewerDigitsAct_, &QAction::triggered, this, [this] { view_->AdjustDigits(-1); });

    helpAct_ = makeAction("actionHelpTopics", QStringLiteral("&Help Topics"), QStringLiteral("List Help topics"));
    helpAct_->setEnabled(false);  // the help file is not part of the program
    aboutAct_ = makeAction("actionAbout",
                           QStringLiteral("&About Calvex..."),
                           QStringLiteral("Display the program's version and the equations it uses"));
    connect(aboutAct_, &QAction::triggered, this, [this] { showAbout(); });
}

void CMainFrame::createMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(newAct_);
    fileMenu_->addAction(openAct_);
    fileMenu_->addAction(saveAct_);
    fileMenu_->addAction(saveAsAct_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(printAct_);
    fileMenu_->addAction(printPreviewAct_);
    fileMenu_->addAction(printSetupAct_);
    recentSeparator_ = fileMenu_->addSeparator();
    for (QAction* a : recentActs_) {
        fileMenu_->addAction(a);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(exitAct_);

    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu_->addAction(cutAct_);
    editMenu_->addAction(copyAct_);
    editMenu_->addAction(pasteAct_);
    editMenu_->addSeparator();
    editMenu_->addAction(recallAct_);
    editMenu_->addAction(copySpecialAct_);
    editMenu_->addSeparator();
    editMenu_->addAction(storeAct_);
    editMenu_->addAction(recallPointAct_);
    editMenu_->addAction(replaceAct_);
    editMenu_->addAction(deleteAct_);

    formatMenu_ = menuBar()->addMenu(QStringLiteral("F&ormat"));
    formatMenu_->addAction(numberAct_);
    formatMenu_->addAction(englishAct_);
    formatMenu_->addAction(siAct_);
    formatMenu_->addSeparator();
    formatMenu_->addAction(useDefaultsAct_);
    formatMenu_->addAction(restoreDefaultsAct_);

    toolsMenu_ = menuBar()->addMenu(QStringLiteral("&Tools"));
    toolsMenu_->addAction(expansionAct_);
    QMenu* formulations = toolsMenu_->addMenu(QStringLiteral("Formulations"));
    formulations->addAction(if97Act_);
    formulations->addAction(ifc67Act_);

    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu_->addAction(helpAct_);
    helpMenu_->addSeparator();
    helpMenu_->addAction(aboutAct_);

    for (QMenu* m : {editMenu_, formatMenu_, toolsMenu_}) {
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
    }
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("Standard"));
    toolBar_->setIconSize(QSize(20, 16));
    toolBar_->addAction(newAct_);
    toolBar_->addAction(openAct_);
    toolBar_->addAction(saveAct_);
    toolBar_->addSeparator();
    toolBar_->addAction(cutAct_);
    toolBar_->addAction(copyAct_);
    toolBar_->addAction(pasteAct_);
    toolBar_->addSeparator();
    toolBar_->addAction(englishAct_);
    toolBar_->addAction(siAct_);
    toolBar_->addAction(expansionAct_);
    toolBar_->addAction(chartAct_);
    toolBar_->addSeparator();
    toolBar_->addAction(moreDigitsAct_);
    toolBar_->addAction(fewerDigitsAct_);
    toolBar_->addSeparator();
    toolBar_->addAction(printAct_);

    QAction* toolBarToggle = toolBar_->toggleViewAction();
    toolBarToggle->setText(QStringLiteral("&Toolbar"));
    toolBarToggle->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    viewMenu_->addAction(toolBarToggle);
    auto* statusToggle =
        makeAction("actionStatusBar", QStringLiteral("&Status Bar"), QStringLiteral("Show or hide the status bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    viewMenu_->addAction(statusToggle);
    viewMenu_->addSeparator();
    viewMenu_->addAction(chartAct_);
}

void CMainFrame::updateCommands() {
    if (!view_) {
        return;
    }
    const CommandEnabling e = view_->commandEnabling();
    cutAct_->setEnabled(e.cut);
    copyAct_->setEnabled(e.copy);
    pasteAct_->setEnabled(e.paste);
    recallAct_->setEnabled(e.recallExpression);
    storeAct_->setEnabled(e.storePoint);
    recallPointAct_->setEnabled(e.recallPoint);
    replaceAct_->setEnabled(e.replacePoint);
    deleteAct_->setEnabled(e.deletePoint);
    const bool ifc67 = view_->commandFlags().ifc67;
    if97Act_->setChecked(!ifc67);
    ifc67Act_->setChecked(ifc67);
    if (formulationLabel_) {
        formulationLabel_->setText(ifc67 ? QStringLiteral("IFC-67") : QStringLiteral("IF97"));
    }
    if (ifc67 != chartIfc67_) {
        chartIfc67_ = ifc67;
        refreshChart();
    }
}

void CMainFrame::createStatusBar() {
    statusBar()->showMessage(QStringLiteral("Ready"));
    // The formulation in use, always visible at the right end of the status bar.
    formulationLabel_ = new QLabel(QStringLiteral("IF97"), this);
    formulationLabel_->setObjectName(QStringLiteral("FormulationIndicator"));
    formulationLabel_->setToolTip(
        QStringLiteral("The formulation that computes the steam properties "
                       "(Tools > Formulations)"));
    formulationLabel_->setAlignment(Qt::AlignCenter);
    formulationLabel_->setMinimumWidth(formulationLabel_->fontMetrics().horizontalAdvance(QStringLiteral("IFC-67")) +
                                       12);
    statusBar()->addPermanentWidget(formulationLabel_);
}

void CMainFrame::documentChanged() {
    setWindowModified(doc_.IsModified());
    refreshChart();
}

void CMainFrame::refreshChart() {
    if (chart_) {
        chart_->refresh();
    }
}

void CMainFrame::showChart() {
    if (!chart_) {
        chart_ = new CChartWindow(
            [this] {
                return buildChartScene(doc_, view_->boxFormats(), view_->commandFlags().ifc67, view_->lastExpansion());
            },
            *prompts_,
            this);
        chart_->resize(chart_->sizeHint());
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void CMainFrame::showAbout() {
    CAboutDialog dialog(this);
    prompts_->runDialog(dialog);
}

void CMainFrame::readRecentFiles() {
    auto settings = openCalvexSettings();
    settings->beginGroup(QString::fromLatin1(kRecentGroup));
    recent_.clear();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString f = settings->value(QStringLiteral("File%1").arg(i)).toString();
        if (!f.isEmpty()) {
            recent_.append(f);
        }
    }
    settings->endGroup();
    updateRecentMenu();
}

void CMainFrame::writeRecentFiles() const {
    auto settings = openCalvexSettings();
    settings->beginGroup(QString::fromLatin1(kRecentGroup));
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= recent_.size()) {
            settings->setValue(key, recent_[i - 1]);
        } else {
            settings->remove(key);
        }
    }
    settings->endGroup();
}

void CMainFrame::addRecentFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(full);
    recent_.prepend(full);
    while (recent_.size() > kRecentFileCount) {
        recent_.removeLast();
    }
    writeRecentFiles();
    updateRecentMenu();
}

void CMainFrame::updateRecentMenu() {
    for (std::size_t i = 0; i < recentActs_.size(); ++i) {
        const auto qi = static_cast<qsizetype>(i);
        if (qi < recent_.size()) {
            recentActs_[i]->setText(QStringLiteral("&%1 %2").arg(qi + 1).arg(QFileInfo(recent_[qi]).fileName()));
            recentActs_[i]->setVisible(true);
        } else {
            recentActs_[i]->setVisible(false);
        }
    }
    if (recentSeparator_) {
        recentSeparator_->setVisible(!recent_.isEmpty());
    }
}

void CMainFrame::updateTitle() {
    // "[*]" is where the platform shows an unsaved change (an asterisk here).
    setWindowTitle(fromStd(doc_.GetTitle()) + QStringLiteral("[*] - ") + QString::fromLatin1(kAppTitle));
    setWindowModified(doc_.IsModified());
}

void CMainFrame::documentShown() {
    view_->OnInitialUpdate();
    updateTitle();
}

bool CMainFrame::maybeSave() {
    if (!doc_.IsModified()) {
        return true;
    }
    const QString text = QString::fromLatin1(kMsgAskToSave).arg(fromStd(doc_.GetTitle()));
    switch (prompts_->askYesNoCancel(this, text)) {
        case UserPrompts::Answer::Yes: return saveDocument();
        case UserPrompts::Answer::No: return true;
        case UserPrompts::Answer::Cancel: break;
    }
    return false;
}

bool CMainFrame::newDocument() {
    if (!maybeSave()) {
        return false;
    }
    doc_.OnNewDocument();
    documentShown();
    return true;
}

bool CMainFrame::openDocument(const QString& path) {
    const DocFileResult r = doc_.OnOpenDocument(path.toStdString());
    if (!r.ok) {
        prompts_->message(this, fromStd(r.message));
        return false;
    }
    addRecentFile(path);
    documentShown();
    return true;
}

bool CMainFrame::saveDocument() {
    if (doc_.GetPathName().empty()) {
        return saveDocumentAs();
    }
    return saveDocumentTo(fromStd(doc_.GetPathName()));
}

bool CMainFrame::saveDocumentAs() {
    QString suggested = fromStd(doc_.GetPathName());
    if (suggested.isEmpty()) {
        suggested = fromStd(doc_.GetTitle()) + QString::fromLatin1(kFileExtension);
    }
    QString path = prompts_->saveFileName(this, suggested, QString::fromLatin1(kFileFilter));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QString::fromLatin1(kFileExtension);
    }
    return saveDocumentTo(path);
}

bool CMainFrame::saveDocumentTo(const QString& path) {
    const DocFileResult r = doc_.OnSaveDocument(path.toStdString());
    if (!r.ok) {
        prompts_->message(this, fromStd(r.message));
        return false;
    }
    addRecentFile(path);
    updateTitle();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (maybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile() && isStmFile(url.toLocalFile())) {
                event->acceptProposedAction();
                return;
            }
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && isStmFile(url.toLocalFile())) {
            event->acceptProposedAction();
            if (maybeSave()) {
                openDocument(url.toLocalFile());
            }
            return;
        }
    }
}

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine cl;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            cl.fileToOpen = arguments[i];
            break;
        }
    }
    return cl;
}

}  // namespace calvex
