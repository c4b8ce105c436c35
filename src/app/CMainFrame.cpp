#include "app/CMainFrame.h"

#include "app/AppIdentity.h"
#include "app/CatalogueOpening.h"
#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/FrameZoom.h"
#include "app/HelpWindow.h"
#include "app/MainView.h"
#include "app/NotesExchange.h"
#include "app/RecentCatalogues.h"
#include "catalog/Catalog.h"
#include "controls/CutTextTips.h"
#include "guide/WineGuide.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/FlowPageFactory.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace corkwise {

CMainFrame::CMainFrame(const QString& cataloguePath, const QString& personalPath)
    : cataloguePath_(cataloguePath), recent_(std::make_unique<RecentCatalogues>()) {
    chooser_ = [](QWidget* parent, const QString& start) {
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Open Catalogue"), QFileInfo(start).absolutePath(),
            QStringLiteral("Corkwise catalogues (*.res);;All files (*)"));
    };
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Corkwise"));

    auto catalog = std::make_unique<Catalog>(cataloguePath);
    store_ = std::make_unique<PersonalStore>(personalPath);
    opened_ = catalog->isOpen();
    if (!opened_) {
        return;
    }
    pageOwner_ = std::make_unique<QWidget>();
    pageOwner_->setObjectName(QStringLiteral("pageOwner"));
    FlowPageFactory factory(pageOwner_.get());
    guide_ = std::make_unique<WineGuide>(std::move(catalog), store_.get(), &factory);
}

CMainFrame::~CMainFrame() {
    // The view hands open pages back to their owner; the pages go before the guide whose
    // catalogue their cursors read.
    delete view_;
    view_ = nullptr;
    pageOwner_.reset();
    guide_.reset();
    store_.reset();
}

bool CMainFrame::create() {
    if (!opened_ || view_ != nullptr) {
        return false;
    }
    // The view over the command bar keeps its design size; the frame around it may grow, and
    // shows the page background where the content does not cover it.
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("frameContent"));
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QPalette surplus = palette();
    surplus.setColor(QPalette::Window, SearchPage::kBackground);
    setPalette(surplus);
    setAutoFillBackground(true);

    bar_ = new CommandBar(content_);
    bar_->setRecentCatalogues(recent_->paths());
    // The command bar sits under the view, within reach of the pen.
    layout->addWidget(bar_);

    // What the user types reaches the file shortly after the last keystroke, without Done.
    autosave_ = new QTimer(this);
    autosave_->setSingleShot(true);
    autosave_->setInterval(kAutosaveDelayMs);
    connect(autosave_, &QTimer::timeout, this, &CMainFrame::autosave);
    store_->setChangeListener([this] { autosave_->start(); });
    if (!createView()) {
        return false;
    }

    connect(bar_, &CommandBar::command, this, &CMainFrame::routeCommand);
    CutTextTips::install();
    // The bar's style sheet sets its height: measured before polishing, the content comes out
    // short and the window would not fit it.
    content_->ensurePolished();
    layout->activate();
    zoom_ = new FrameZoom(this, content_);
    resize(zoom_->contentSize());
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(applicationIcon());
    return true;
}

bool CMainFrame::createView() {
    view_ = new MainView(*guide_, bar_, content_);
    if (!view_->createChildren()) {
        delete view_;
        view_ = nullptr;
        return false;
    }
    static_cast<QVBoxLayout*>(content_->layout())->insertWidget(0, view_);
    if (CPersonal* panel = view_->personalPanel()) {
        connect(panel, &CPersonal::edited, autosave_, qOverload<>(&QTimer::start));
    }
    return true;
}

bool CMainFrame::openCatalogue(const QString& path, QString* why) {
    auto catalog = std::make_unique<Catalog>(path);
    *why = catalogueProblem(path, *catalog);
    if (!why->isEmpty() || view_ == nullptr) {
        return false;
    }
    // The notes on the panel go back to the store, which outlives the switch; the pages go
    // before the guide whose catalogue their cursors read.
    if (view_->personalPanel() != nullptr) {
        view_->personalPanel()->keepShown();
    }
    const bool hadFocus = isActiveWindow();
    delete view_;
    view_ = nullptr;
    pageOwner_.reset();
    guide_.reset();

    pageOwner_ = std::make_unique<QWidget>();
    pageOwner_->setObjectName(QStringLiteral("pageOwner"));
    FlowPageFactory factory(pageOwner_.get());
    guide_ = std::make_unique<WineGuide>(std::move(catalog), store_.get(), &factory);
    if (!createView()) {
        // The pages of a catalogue that opened are built as the first one's were; should they
        // fail all the same, there is no view to go on with.
        *why = QStringLiteral("%1: the screens could not be built").arg(path);
        close();
        return false;
    }
    view_->show();
    if (hadFocus) {
        view_->setFocus();
    }
    const QString previous = cataloguePath_;
    cataloguePath_ = QFileInfo(path).absoluteFilePath();
    // The catalogue left stays within reach in the list.
    recent_->remember(previous, false);
    recent_->remember(cataloguePath_, true);
    bar_->setRecentCatalogues(recent_->paths());
    Q_EMIT catalogueChanged(cataloguePath_);
    return true;
}

void CMainFrame::chooseCatalogue() {
    const QString path = chooser_ ? chooser_(this, cataloguePath_) : QString();
    if (path.isEmpty()) {
        return;
    }
    QString why;
    if (!openCatalogue(path, &why)) {
        refuse(why);
    }
}

void CMainFrame::openRecent(int index) {
    const QStringList& paths = recent_->paths();
    if (index < 0 || index >= paths.size()) {
        return;
    }
    // A copy: opening rewrites the list.
    const QString path = paths[index];
    QString why;
    if (!openCatalogue(path, &why)) {
        refuse(why);
    }
}

void CMainFrame::refuse(const QString& why) {
    MessageBox::show(this, MessageBox::Icon::Warning, QStringLiteral("Corkwise"),
                     QStringLiteral("%1. The catalogue in use stays open.").arg(why));
}

void CMainFrame::setRecentCatalogues(std::unique_ptr<RecentCatalogues> recent) {
    recent_ = recent ? std::move(recent) : std::make_unique<RecentCatalogues>();
    if (bar_ != nullptr) {
        bar_->setRecentCatalogues(recent_->paths());
    }
}

void CMainFrame::routeCommand(int commandId) {
    if (view_ != nullptr && view_->handleCommand(commandId)) {
        return;
    }
    if (commandId == command::kZoomIn) {
        zoom_->zoomIn();
        return;
    }
    if (commandId == command::kZoomOut) {
        zoom_->zoomOut();
        return;
    }
    if (commandId == command::kActualSize) {
        zoom_->actualSize();
        return;
    }
    if (commandId == command::kExit) {
        close();
        return;
    }
    if (commandId == command::kOpenCatalogue) {
        chooseCatalogue();
        return;
    }
    if (commandId >= command::kFirstRecentCatalogue && commandId <= command::kLastRecentCatalogue) {
        openRecent(commandId - command::kFirstRecentCatalogue);
        return;
    }
    if (commandId == command::kHelp) {
        showHelp();
        return;
    }
    // Made for each command: opening another catalogue replaces the guide and the view.
    if (guide_ != nullptr &&
        NotesExchange(*guide_, *store_, view_, this).handleCommand(commandId)) {
        return;
    }
    Q_EMIT unhandledCommand(commandId);
}

HelpWindow* CMainFrame::showHelp() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(bar_, this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
    return help_;
}

bool CMainFrame::saveBeforeExit(bool mayAsk) {
    if (guide_ == nullptr) {
        return true;
    }
    if (!mayAsk) {
        // Nobody to ask: the notes go wherever they can (saveWithoutAsking).
        const QString problem = saveWithoutAsking();
        if (!problem.isEmpty()) {
            QTextStream(stderr) << "Corkwise: Your notes could not be saved: " << problem << '\n';
        }
        return true;
    }
    if (view_ != nullptr && view_->personalPanel() != nullptr) {
        view_->personalPanel()->keepShown();
    }
    if (!guide_->personalModified()) {
        return true;
    }
    QString error;
    if (guide_->savePersonal(&error)) {
        return true;
    }
    if (guide_->personalChangedOnDisk()) {
        // Another program's version is kept beside the file, so nothing is lost either way.
        const bool keepBoth =
            MessageBox::show(this, MessageBox::Icon::Question, QStringLiteral("Corkwise"),
                             QStringLiteral("%1\nSave your notes and bookmarks, keeping the other "
                                            "version beside it?")
                                 .arg(error),
                             MessageBox::Yes | MessageBox::No, MessageBox::Yes) == MessageBox::Yes;
        if (keepBoth && guide_->savePersonalKeepingBoth(&error, nullptr)) {
            return true;
        }
    }
    while (error.endsWith(QLatin1Char('.'))) {
        error.chop(1);
    }
    const QString text = QStringLiteral("Your notes could not be saved: %1. Quit anyway?")
                             .arg(error.isEmpty() ? QStringLiteral("unknown error") : error);
    // No, the default, stays with the notes in memory.
    return MessageBox::show(this, MessageBox::Icon::Warning, QStringLiteral("Corkwise"), text,
                            MessageBox::Yes | MessageBox::No, MessageBox::No) == MessageBox::Yes;
}

void CMainFrame::autosave() {
    if (guide_ == nullptr) {
        return;
    }
    if (view_ != nullptr && view_->personalPanel() != nullptr) {
        view_->personalPanel()->keepShown();
    }
    if (!guide_->personalModified()) {
        return;
    }
    QString error;
    if (guide_->savePersonal(&error)) {
        autosaveError_.clear();
        return;
    }
    if (guide_->personalChangedOnDisk()) {
        if (view_ != nullptr) {
            view_->savePersonal();
        }
        return;
    }
    // Told once per cause, not at every keystroke; the next change or Exit tries again.
    if (error != autosaveError_) {
        autosaveError_ = error;
        MessageBox::show(this, MessageBox::Icon::Warning, QStringLiteral("Corkwise"),
                         QStringLiteral("%1\nYour changes are kept while Corkwise runs and saved "
                                        "as soon as that is possible again.")
                             .arg(error));
    }
}

QString CMainFrame::saveWithoutAsking() {
    if (guide_ == nullptr) {
        return QString();
    }
    if (view_ != nullptr && view_->personalPanel() != nullptr) {
        view_->personalPanel()->keepShown();
    }
    if (!guide_->personalModified()) {
        return QString();
    }
    QString error;
    if (guide_->savePersonal(&error)) {
        return QString();
    }
    if (guide_->personalChangedOnDisk()) {
        QString keptAs;
        if (guide_->savePersonalKeepingBoth(&error, &keptAs)) {
            return QString();
        }
    }
    // The file cannot take them: a copy elsewhere beats losing them.
    const QString rescue =
        QDir(QDir::tempPath())
            .filePath(
                QStringLiteral("corkwise-unsaved-%1.res").arg(QCoreApplication::applicationPid()));
    QString why;
    if (store_ != nullptr && PersonalFile::writeAtomically(rescue, store_->entries(), &why)) {
        return QStringLiteral("%1; the notes were written to %2 instead").arg(error, rescue);
    }
    return QStringLiteral("%1; a copy could not be written either (%2)").arg(error, why);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!saveBeforeExit()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void CMainFrame::focusInEvent(QFocusEvent* event) {
    if (view_ != nullptr) {
        view_->setFocus();
        return;
    }
    QWidget::focusInEvent(event);
}

}  // namespace corkwise
