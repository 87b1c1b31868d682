#include "main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "app_strings.h"
#include "calvex_view.h"
#include "defaults_store.h"
#include "io_box.h"

namespace calvex {

namespace {

bool isStmFile(const QString& path)
{
    return path.endsWith(QString::fromLatin1(kFileExtension), Qt::CaseInsensitive);
}

QString fromStd(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

CMainFrame::CMainFrame(std::shared_ptr<UserPrompts> prompts, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts ? std::move(prompts) : std::make_shared<DialogPrompts>())
{
    view_ = new CCalvexView(doc_, this);
    setCentralWidget(view_);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    readRecentFiles();
    setAcceptDrops(true);

    resize(kFrameWidth, kFrameHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), QSize(kFrameWidth, kFrameHeight));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

}

bool CMainFrame::startUp(const CommandLine& commandLine)
{
    if (!commandLine.fileToOpen.isEmpty()) {
        return openDocument(commandLine.fileToOpen);
    }
    doc_.OnNewDocument();
    documentShown();
    return true;
}

CMainFrame::~CMainFrame()
{
    // The view goes first, while the document it shows still exists; it saves the defaults.
    delete view_;
    view_ = nullptr;
}

void CMainFrame::createActions()
{
    newAct_ = new QAction(style()->standardIcon(QStyle::SP_FileIcon), QStringLiteral("&New"), this);
    newAct_->setShortcut(QKeySequence::New);
    newAct_->setStatusTip(QStringLiteral("Create a new document"));
    connect(newAct_, &QAction::triggered, this, [this] { newDocument(); });

    openAct_ = new QAction(style()->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("&Open..."), this);
    openAct_->setShortcut(QKeySequence::Open);
    openAct_->setStatusTip(QStringLiteral("Open an existing document"));
    connect(openAct_, &QAction::triggered, this, [this] {
        if (!maybeSave()) {
            return;
        }
        const QString path = prompts_->openFileName(this, QString::fromLatin1(kFileFilter));
        if (!path.isEmpty()) {
            openDocument(path);
        }
    });

    saveAct_ = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("&Save"), this);
    saveAct_->setShortcut(QKeySequence::Save);
    saveAct_->setStatusTip(QStringLiteral("Save the active document"));
    connect(saveAct_, &QAction::triggered, this, [this] { saveDocument(); });

    saveAsAct_ = new QAction(QStringLiteral("Save &As..."), this);
    saveAsAct_->setStatusTip(QStringLiteral("Save the active document with a new name"));
    connect(saveAsAct_, &QAction::triggered, this, [this] { saveDocumentAs(); });

    exitAct_ = new QAction(QStringLiteral("E&xit"), this);
    exitAct_->setStatusTip(QStringLiteral("Quit the application; prompts to save documents"));
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

    recallAct_ = new QAction(QStringLiteral("Recall Expression"), this);
    recallAct_->setShortcut(Qt::Key_F2);
    recallAct_->setStatusTip(QStringLiteral("Recall the expression you previously entered in an IO Box"));
    connect(recallAct_, &QAction::triggered, this, [] {
        if (auto* box = qobject_cast<CIOBox*>(QApplication::focusWidget())) {
            box->recallExpression();
        }
    });

    useDefaultsAct_ = new QAction(QStringLiteral("Use Settings as Default"), this);
    useDefaultsAct_->setStatusTip(QStringLiteral("Use the current settings as the default settings"));
    connect(useDefaultsAct_, &QAction::triggered, this, [this] { view_->UseSettingsAsDefault(); });

    restoreDefaultsAct_ = new QAction(QStringLiteral("Restore Default Settings"), this);
    restoreDefaultsAct_->setStatusTip(QStringLiteral("Restore settings to the defaul settings"));
    connect(restoreDefaultsAct_, &QAction::triggered, this, [this] {
        view_->RestoreDefaultSettings();
        updateTitle();
    });
}

void CMainFrame::createMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(newAct_);
    fileMenu_->addAction(openAct_);
    fileMenu_->addAction(saveAct_);
    fileMenu_->addAction(saveAsAct_);
    recentSeparator_ = fileMenu_->addSeparator();
    for (QAction* a : recentActs_) {
        fileMenu_->addAction(a);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(exitAct_);

    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu_->addAction(recallAct_);
    formatMenu_ = menuBar()->addMenu(QStringLiteral("F&ormat"));
    formatMenu_->addAction(useDefaultsAct_);
    formatMenu_->addAction(restoreDefaultsAct_);
    toolsMenu_ = menuBar()->addMenu(QStringLiteral("&Tools"));
}

void CMainFrame::createToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Standard"));
    toolBar_->setObjectName(QStringLiteral("Standard"));
    toolBar_->addAction(newAct_);
    toolBar_->addAction(openAct_);
    toolBar_->addAction(saveAct_);
}

void CMainFrame::createStatusBar()
{
    statusBar()->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::readRecentFiles()
{
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

void CMainFrame::writeRecentFiles() const
{
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

void CMainFrame::addRecentFile(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(full);
    recent_.prepend(full);
    while (recent_.size() > kRecentFileCount) {
        recent_.removeLast();
    }
    writeRecentFiles();
    updateRecentMenu();
}

void CMainFrame::updateRecentMenu()
{
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

void CMainFrame::updateTitle()
{
    setWindowTitle(fromStd(doc_.GetTitle()) + QStringLiteral(" - ") + QString::fromLatin1(kAppTitle));
}

void CMainFrame::documentShown()
{
    view_->OnInitialUpdate();
    updateTitle();
}

bool CMainFrame::maybeSave()
{
    if (!doc_.IsModified()) {
        return true;
    }
    const QString text = QString::fromLatin1(kMsgAskToSave).arg(fromStd(doc_.GetTitle()));
    switch (prompts_->askYesNoCancel(this, text)) {
    case UserPrompts::Answer::Yes:
        return saveDocument();
    case UserPrompts::Answer::No:
        return true;
    case UserPrompts::Answer::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::newDocument()
{
    if (!maybeSave()) {
        return false;
    }
    doc_.OnNewDocument();
    documentShown();
    return true;
}

bool CMainFrame::openDocument(const QString& path)
{
    const DocFileResult r = doc_.OnOpenDocument(path.toStdString());
    if (!r.ok) {
        prompts_->message(this, fromStd(r.message));
        return false;
    }
    addRecentFile(path);
    documentShown();
    return true;
}

bool CMainFrame::saveDocument()
{
    if (doc_.GetPathName().empty()) {
        return saveDocumentAs();
    }
    return saveDocumentTo(fromStd(doc_.GetPathName()));
}

bool CMainFrame::saveDocumentAs()
{
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

bool CMainFrame::saveDocumentTo(const QString& path)
{
    const DocFileResult r = doc_.OnSaveDocument(path.toStdString());
    if (!r.ok) {
        prompts_->message(this, fromStd(r.message));
        return false;
    }
    addRecentFile(path);
    updateTitle();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (maybeSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile() && isStmFile(url.toLocalFile())) {
                event->acceptProposedAction();
                return;
            }
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
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

CommandLine parseCommandLine(const QStringList& arguments)
{
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
