#include "app/CMainFrame.h"

#include "app/AppIdentity.h"
#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/HelpWindow.h"
#include "app/MainView.h"
#include "app/NotesExchange.h"
#include "catalog/Catalog.h"
#include "guide/WineGuide.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/FlowPageFactory.h"
#include "screens/personal/CPersonal.h"

#include <QCloseEvent>
#include <QTextStream>
#include <QVBoxLayout>

namespace corkwise {

CMainFrame::CMainFrame(const QString& cataloguePath, const QString& personalPath) {
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
    exchange_.reset();
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
    view_ = new MainView(*guide_, bar_, this);
    if (!view_->createChildren()) {
        delete view_;
        view_ = nullptr;
        return false;
    }
    // The command bar sits under the view, within reach of the pen.
    layout->addWidget(view_);
    layout->addWidget(bar_);

    exchange_ = std::make_unique<NotesExchange>(*guide_, *store_, view_, this);
    connect(bar_, &CommandBar::command, this, &CMainFrame::routeCommand);
    setFocusPolicy(Qt::StrongFocus);
    setWindowIcon(applicationIcon());
    return true;
}

void CMainFrame::routeCommand(int commandId) {
    if (view_ != nullptr && view_->handleCommand(commandId)) {
        return;
    }
    if (commandId == command::kExit) {
        close();
        return;
    }
    if (commandId == command::kHelp) {
        showHelp();
        return;
    }
    if (exchange_ != nullptr && exchange_->handleCommand(commandId)) {
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
