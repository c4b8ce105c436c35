#include "app/CMainFrame.h"

#include "app/AppIdentity.h"
#include "app/CatalogueOpening.h"
#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/MainView.h"
#include "app/RecentCatalogues.h"
#include "catalog/Catalog.h"
#include "guide/WineGuide.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/FlowPageFactory.h"
#include "screens/personal/CPersonal.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QTextStream>
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    bar_ = new CommandBar(this);
    bar_->setRecentCatalogues(recent_->paths());
    // The command bar sits under the view, within reach of the pen.
    layout->addWidget(bar_);
    if (!createView()) {
        return false;
    }

    connect(bar_, &CommandBar::command, this, &CMainFrame::routeCommand);
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(applicationIcon());
    return true;
}

bool CMainFrame::createView() {
    view_ = new MainView(*guide_, bar_, this);
    if (!view_->createChildren()) {
        delete view_;
        view_ = nullptr;
        return false;
    }
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, view_);
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
        // The pages of a catalogue that opened are built the same way as the first one's; should
        // they fail all the same, there is no view to go on with.
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
    QString why;
    if (!openCatalogue(paths[index], &why)) {
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
    Q_EMIT unhandledCommand(commandId);
}

bool CMainFrame::saveBeforeExit(bool mayAsk) {
    if (guide_ == nullptr) {
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
    while (error.endsWith(QLatin1Char('.'))) {
        error.chop(1);
    }
    const QString text = QStringLiteral("Your notes could not be saved: %1. Quit anyway?")
                             .arg(error.isEmpty() ? QStringLiteral("unknown error") : error);
    if (!mayAsk) {
        QTextStream(stderr) << "Corkwise: " << text << '\n';
        return true;
    }
    // Unattended, the default answer ends the program as asked.
    return MessageBox::show(this, MessageBox::Icon::Warning, QStringLiteral("Corkwise"), text,
                            MessageBox::Yes | MessageBox::No, MessageBox::Yes) == MessageBox::Yes;
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
