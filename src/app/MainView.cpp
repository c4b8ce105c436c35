#include "app/MainView.h"

#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/HomeBannerButton.h"
#include "app/HomePicture.h"
#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/CatalogProblem.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "guide/GuidePage.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/NameSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/WineCard.h"
#include "screens/personal/CPersonal.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <vector>

namespace corkwise {

namespace {

const QString kCaption = QStringLiteral("Corkwise");
const QRect kPageRect(0, 0, 240, 238);
const QRect kStripRect(0, 238, 240, 30);
const QRect kWholeRect(0, 0, 240, 268);

// The flow a Search menu command starts, or kNoPage.
int searchMenuFlow(int commandId) {
    switch (commandId) {
        case command::kSearchFindWine:
            return kFindWineFlow;
        case command::kSearchFoodAndWine:
            return kFoodAndWineFlow;
        case command::kSearchVintageChart:
            return kVintageChartFlow;
        case command::kSearchBestValues:
            return kBestValuesFlow;
        case command::kSearchBestProducers:
            return kBestProducersFlow;
        default:
            return kNoPage;
    }
}

// Cut, Copy or Paste, as COMMANDID says, on PANEL.
template <typename Panel>
void runEditCommand(Panel& panel, int commandId) {
    if (commandId == command::kCut) {
        panel.cut();
    } else if (commandId == command::kCopy) {
        panel.copy();
    } else {
        panel.paste();
    }
}

unsigned overlayBit(MainView::Overlay overlay) {
    return overlay == MainView::Overlay::None ? 0U : 1U << (static_cast<int>(overlay) - 1);
}

}  // namespace

MainView::MainView(WineGuide& guide, CommandBar* bar, QWidget* parent)
    : QWidget(parent), guide_(guide), bar_(bar) {
    setObjectName(QStringLiteral("mainView"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MainView::~MainView() {
    // No focus moves, and nothing is shown or set on the command bar (which may be gone), while
    // the view goes.
    banners_.clear();
    bar_ = nullptr;
    closeFlow();
}

bool MainView::createChildren() {
    strip_ = new NavigationStrip(*this, this);
    strip_->setGeometry(kStripRect);
    strip_->hide();

    advancedPanel_ = new AdvancedSearchPanel(*this, this);
    advancedPanel_->setGeometry(kWholeRect);
    advancedPanel_->hide();

    personalPanel_ = std::make_unique<CPersonal>(guide_);
    if (!personalPanel_->createWindow(this, this, kWholeRect)) {
        return false;
    }
    personalPanel_->hide();

    nameSearch_ = new NameSearchPanel(guide_, this);
    nameSearch_->setGeometry(kWholeRect);
    nameSearch_->hide();
    connect(nameSearch_, &NameSearchPanel::wineChosen, this, &MainView::openWine);
    connect(nameSearch_, &NameSearchPanel::closed, this, &MainView::closeNameSearch);
    createKeyboard();
    return true;
}

bool MainView::catalogueUnchanged() {
    const Catalog* catalog = guide_.catalog();
    const CatalogFile* file = catalog != nullptr ? catalog->file() : nullptr;
    if (file == nullptr || !file->hasChangedOnDisk()) {
        return true;
    }
    if (!catalogueToldChanged_) {
        catalogueToldChanged_ = true;
        // What is wrong with the file now, when anything is, in the words start-up would use.
        const CatalogProblem problem = findCatalogProblem(file->path());
        MessageBox::show(this, MessageBox::Icon::Warning, kCaption,
                         QStringLiteral("The catalogue %1 was changed while Corkwise was running. "
                                        "%2Corkwise saves your notes and closes; start it again "
                                        "to read the catalogue as it is now.")
                             .arg(QDir::toNativeSeparators(file->path()),
                                  problem ? problem.text + QLatin1Char(' ') : QString()));
    }
    closeFlow();
    if (QWidget* frame = window(); frame != nullptr && frame != this) {
        QMetaObject::invokeMethod(frame, &QWidget::close, Qt::QueuedConnection);
    }
    return false;
}

bool MainView::handleCommand(int commandId) {
    const bool personal = commandId == command::kNotes || commandId == command::kBookmarks ||
                          commandId == command::kAddNote;
    // The notes stay reachable; everything else reads the catalogue.
    if (!personal && commandId != command::kCut && commandId != command::kCopy &&
        commandId != command::kPaste && !catalogueUnchanged()) {
        return commandId != command::kExit;
    }
    switch (commandId) {
        case command::kNotes:
            showPersonal(EntryKind::Note);
            return true;
        case command::kBookmarks:
            showPersonal(EntryKind::Bookmark);
            return true;
        case command::kAddNote:
            loadPersonal();
            guide_.addPersonalEntry(QStringLiteral("New Note"), EntryKind::Note);
            showPersonal(EntryKind::Note);
            // What the user types next is the note's text.
            if (overlay() == Overlay::Personal) {
                personalPanel_->focusNoteText();
            }
            return true;
        case command::kAddBookmark: {
            // Offered only while the Find Wine wine page is current; its bookmark composition
            // names the bookmark.
            SearchPage* page = currentPage();
            const QString name = page != nullptr ? page->composeBookmark() : QString();
            if (!name.isEmpty()) {
                addBookmark(name);
            }
            return true;
        }
        case command::kCut:
        case command::kCopy:
        case command::kPaste:
            if (overlay() == Overlay::Personal) {
                runEditCommand(*personalPanel_, commandId);
            } else if (overlay() == Overlay::NameSearch) {
                runEditCommand(*nameSearch_, commandId);
            }
            return true;
        case command::kFindByName:
            showNameSearch();
            return true;
        default:
            if (const int flow = searchMenuFlow(commandId); flow != kNoPage) {
                startFromMenu(flow);
                return true;
            }
            return false;
    }
}

SearchPage* MainView::currentPage() const {
    return hasFlow() ? pages_[current_] : nullptr;
}

MainView::Overlay MainView::overlay() const {
    for (const Overlay overlay : {Overlay::Personal, Overlay::NameSearch, Overlay::Menu}) {
        if ((overlays_ & overlayBit(overlay)) != 0) {
            return overlay;
        }
    }
    return Overlay::None;
}

bool MainView::isUp(Overlay overlay) const {
    return (overlays_ & overlayBit(overlay)) != 0;
}

void MainView::cover(Overlay overlay) {
    overlays_ |= overlayBit(overlay);
    showState();
}

void MainView::uncover(Overlay overlay) {
    overlays_ &= ~overlayBit(overlay);
    showState();
}

void MainView::showState() {
    // Nothing to show before the children are made (the banners last) or once the view goes.
    if (banners_.isEmpty()) {
        return;
    }
    const Overlay top = overlay();
    const bool pageShown = top == Overlay::None && hasFlow();
    QList<std::pair<QWidget*, bool>> screens = {
        {advancedPanel_, top == Overlay::Menu},
        {nameSearch_, top == Overlay::NameSearch},
        {personalPanel_.get(), top == Overlay::Personal},
        {strip_, pageShown},
    };
    for (int i = 0; i < pages_.size(); ++i) {
        screens.append({pages_[i], pageShown && i == current_});
    }
    for (HomeBannerButton* banner : banners_) {
        screens.append({banner, top == Overlay::None && !hasFlow()});
    }
    // What is to be seen first, so that a focus leaving a screen that goes finds one that stays.
    for (const auto& [screen, shown] : screens) {
        if (shown) {
            screen->show();
        }
    }
    for (const auto& [screen, shown] : screens) {
        if (!shown) {
            screen->hide();
        }
    }
    updateCommandBar();
    updateTitle();
}

int MainView::replay(int first, int count) {
    const std::vector<GuidePage*> chain(pages_.cbegin(), pages_.cend());
    return replayPages(chain, first, count);
}

void MainView::startFlow(int flowId) {
    if (!catalogueUnchanged()) {
        pages_.clear();
        current_ = -1;
        return;
    }
    const QList<GuidePage*>* list = guide_.selectFlow(flowId);
    openFlowId_ = flowId;
    pages_.clear();
    current_ = -1;
    if (list == nullptr) {
        return;
    }
    // Only pages whose window exists take part: creation stops at the first that fails.
    for (GuidePage* listed : *list) {
        SearchPage* page = SearchPage::of(listed);
        if (page == nullptr || !page->createWindow(this, this, kPageRect)) {
            break;
        }
        pages_.append(page);
    }
    if (pages_.isEmpty()) {
        return;
    }
    current_ = 0;
    strip_->setLastPage(false);
}

void MainView::goNext() {
    if (!hasFlow() || !catalogueUnchanged()) {
        return;
    }
    if (current_ < pages_.size() - 1) {
        WaitCursor wait;
        SearchPage* from = pages_[current_];
        SearchPage* to = pages_[current_ + 1];
        const std::unique_ptr<NodeCursor> node = from->commitSelection();
        to->setInput(node.get());
        from->activate(false);
        current_ += 1;
        showState();
        to->copySelections(from->selections());
        to->activate(true);
    }
    strip_->setLastPage(current_ == pages_.size() - 1);
    screenChanged();
}

void MainView::goBack() {
    if (!catalogueUnchanged()) {
        return;
    }
    if (current_ < 1) {
        closeFlow();
        return;
    }
    pages_[current_]->activate(false);
    current_ -= 1;
    showState();
    pages_[current_]->activate(true);
    strip_->setLastPage(false);
    screenChanged();
}

void MainView::closeFlow() {
    // The list is taken first: a page leaving may call back into the view.
    const QList<SearchPage*> closing = pages_;
    for (SearchPage* page : closing) {
        page->activate(false);
        page->clearPage();
        page->destroyWindow();
    }
    pages_.clear();
    current_ = -1;
    screenChanged();
}

void MainView::moreSearch() {
    closeFlow();
    advancedPanel_->refreshButtons(true);
    cover(Overlay::Menu);
    screenChanged();
}

bool MainView::startPrefilled(int flowId, bool run) {
    std::optional<WaitCursor> wait;
    if (run) {
        uncover(Overlay::Menu);
        wait.emplace();
    }
    // Find Wine follows a wine past its first page (followRecord), which needs the record after
    // the guide has dropped it. A chart's record names no producer: its search stops on the
    // producer page for the user to choose, as the guide describes.
    const RecordCursor* current = guide_.currentRecord();
    const bool followsWine = run && flowId == kFindWineFlow && current != nullptr &&
                             current->columnText(catalog_format::dict::kProducer).has_value();
    const std::unique_ptr<RecordCursor> wine = followsWine ? current->clone() : nullptr;
    startFlow(flowId);
    if (!hasFlow()) {
        return false;
    }

    // The first page follows the record, handing its choice to the second.
    const bool result = replay(0, 1) == 1;
    if (result && pages_.size() > 1) {
        current_ = 1;
    } else if (!result && wait.has_value()) {
        wait->release();
    }

    if (!run) {
        closeFlow();
        return result;
    }

    guide_.clearRecord();
    if (current_ == 0) {
        strip_->setLastPage(false);
    } else {
        guide_.setCurrentPage(pages_[current_ - 1]->pageId());
        pages_[current_]->activate(true);
        const bool straightToResults = flowId == kBestValuesFlow || flowId == kBestProducersFlow;
        strip_->setLastPage(straightToResults || current_ > 1);
    }
    showState();
    if (wine != nullptr && current_ == 1) {
        followRecord(*wine);
    }
    screenChanged();
    return result;
}

void MainView::followRecord(const RecordCursor& wine) {
    // The producer page was filled after the record was dropped, so it shows the region's first
    // producer; with the wine remembered again it and the wine page follow it, as a bookmark's
    // replay does, as far as the wine's values are found.
    guide_.selectRecord(wine);
    WaitCursor wait;
    const int loaded = replay(current_, static_cast<int>(pages_.size()) - current_);
    const int reached = std::max(current_, current_ + loaded - 1);
    guide_.clearRecord();
    if (reached > current_) {
        pages_[current_]->activate(false);
        current_ = reached;
        guide_.setCurrentPage(pages_[current_]->pageId());
        showState();
        strip_->setLastPage(current_ == pages_.size() - 1);
    }
}

void MainView::startSearch(int flowId) {
    // A bookmark may be followed from the personal panel opened over the menu of searches or
    // the name search; those are left then, or they would come back on Cancel.
    uncover(Overlay::Menu);
    uncover(Overlay::NameSearch);
    closeFlow();
    updatePersonalMenu();
    WaitCursor wait;
    startFlow(flowId);
    if (!hasFlow()) {
        uncover(Overlay::Personal);
        screenChanged();
        return;
    }

    const int count = static_cast<int>(pages_.size());
    const int loaded = replay(0, count);
    current_ = std::max(loaded - 1, 0);
    if (loaded < count) {
        // The page before the one that could not follow is shown.
        wait.release();
        const MessageBox::Button answer =
            MessageBox::show(this, MessageBox::Icon::Question, kCaption,
                             QStringLiteral("Do you want to convert Bookmark to a Note?"),
                             MessageBox::Yes | MessageBox::No, MessageBox::Yes);
        if (answer == MessageBox::Yes) {
            guide_.setCurrentEntryKind(EntryKind::Note);
            savePersonal();
        }
    }

    // The page shown counts as reached, so that Back to a replayed page keeps what the replay
    // chose instead of filling it anew.
    guide_.setCurrentPage(pages_[current_]->pageId());
    guide_.clearRecord();
    strip_->setLastPage(current_ == pages_.size() - 1);
    uncover(Overlay::Personal);
    screenChanged();
}

void MainView::showPersonal(EntryKind kind) {
    loadPersonal();
    if (!personalPanel_->showKind(kind)) {
        MessageBox::show(this, MessageBox::Icon::None, kCaption,
                         kind == EntryKind::Note ? QStringLiteral("Not have stored notes.")
                                                 : QStringLiteral("Not have stored bookmarks."));
        return;
    }
    cover(Overlay::Personal);
    screenChanged();
}

void MainView::addBookmark(const QString& name) {
    loadPersonal();
    guide_.addPersonalEntry(name, EntryKind::Bookmark);
    if (!personalPanel_->showKind(EntryKind::Bookmark)) {
        MessageBox::show(this, MessageBox::Icon::None, kCaption,
                         QStringLiteral("Not have stored bookmarks."));
        return;
    }
    // The bookmarked page stops being current until the panel is left.
    cover(Overlay::Personal);
    if (hasFlow()) {
        pages_[current_]->activate(false);
    }
    screenChanged();
}

void MainView::leavePersonal() {
    uncover(Overlay::Personal);
    updatePersonalMenu();
    if (hasFlow()) {
        pages_[current_]->activate(true);
    }
    screenChanged();
}

void MainView::updatePersonalMenu() {
    loadPersonal();
    // Entries of a kind this version does not know are kept but never shown, so they alone
    // offer nothing.
    personalVariant_ = variantOffering(guide_.hasEntryOfKind(EntryKind::Note),
                                       guide_.hasEntryOfKind(EntryKind::Bookmark));
    updateCommandBar();
}

void MainView::allowAddBookmark(bool on) {
    if (!on) {
        updatePersonalMenu();
        return;
    }
    personalVariant_ = withAddBookmark(personalVariant_);
    updateCommandBar();
}

void MainView::updateCommandBar() {
    if (bar_ == nullptr) {
        return;
    }
    const Overlay top = overlay();
    for (int p = CommandBar::kFirstPersonalPosition; p <= CommandBar::kLastPersonalPosition; ++p) {
        bar_->setButtonVisible(p, p == barPosition(personalVariant_));
        bar_->setButtonEnabled(p, top != Overlay::Personal);
    }
    bar_->setButtonEnabled(CommandBar::kSearchPosition, top != Overlay::Personal);
    bar_->setButtonVisible(CommandBar::kEditPosition,
                           top == Overlay::Personal || top == Overlay::NameSearch);
}

void MainView::showException() {
    MessageBox::show(this, MessageBox::Icon::None, kCaption, QStringLiteral("Exception !!!"));
}

void MainView::loadPersonal() {
    guide_.loadPersonal();
    const QString message = guide_.takePersonalMessage();
    if (!message.isEmpty()) {
        MessageBox::show(this, MessageBox::Icon::Warning, kCaption, message);
    }
}

bool MainView::savePersonal() {
    QString error;
    if (guide_.savePersonal(&error)) {
        return true;
    }
    if (guide_.personalChangedOnDisk()) {
        // Someone else's notes are as precious as these: both are kept.
        const MessageBox::Button answer = MessageBox::show(
            this, MessageBox::Icon::Question, kCaption,
            QStringLiteral("%1\nSave your notes and bookmarks, keeping the other version beside "
                           "it?")
                .arg(error),
            MessageBox::Yes | MessageBox::No, MessageBox::Yes);
        if (answer != MessageBox::Yes) {
            return false;
        }
        QString keptAs;
        if (guide_.savePersonalKeepingBoth(&error, &keptAs)) {
            if (!keptAs.isEmpty()) {
                MessageBox::show(this, MessageBox::Icon::Information, kCaption,
                                 QStringLiteral("The other version is kept as %1.")
                                     .arg(QDir::toNativeSeparators(keptAs)));
            }
            return true;
        }
    }
    MessageBox::show(
        this, MessageBox::Icon::Warning, kCaption,
        error.isEmpty() ? QStringLiteral("Your notes and bookmarks could not be saved.") : error);
    return false;
}

void MainView::showNameSearch() {
    if (nameSearch_ == nullptr || isUp(Overlay::Personal)) {
        return;
    }
    cover(Overlay::NameSearch);
    nameSearch_->start();
    screenChanged();
}

void MainView::closeNameSearch() {
    if (nameSearch_ == nullptr) {
        return;
    }
    uncover(Overlay::NameSearch);
    screenChanged();
}

void MainView::openWine(int table, int row) {
    CatalogFile* file = guide_.catalog() != nullptr ? guide_.catalog()->file() : nullptr;
    const RecordTable* records = file != nullptr ? file->recordTableAt(table) : nullptr;
    if (records == nullptr) {
        return;
    }
    const RecordCursor wine(file, records, row);
    openWineRecord(wine);
}

void MainView::openWineRecord(const RecordCursor& wine) {
    uncover(Overlay::NameSearch);
    uncover(Overlay::Menu);
    closeFlow();
    guide_.selectRecord(wine);
    startPrefilled(kFindWineFlow, true);
}

void MainView::showWineCard(const RecordCursor& wine) {
    auto* card = new WineCard(wine, this);
    connect(card, &WineCard::bookmarkRequested, this, [this, card] {
        const std::unique_ptr<RecordCursor> chosen = card->wine().clone();
        bookmarkWine(*chosen);
    });
    card->show();
    const QRect frame = window()->frameGeometry();
    card->move(frame.center() - QPoint(card->width() / 2, card->height() / 2));
    card->raise();
    card->activateWindow();
}

void MainView::bookmarkWine(const RecordCursor& wine) {
    if (isUp(Overlay::Personal)) {
        return;
    }
    openWineRecord(wine);
    // A bookmark replays Find Wine, so it is stored from the wine page the wine led to.
    SearchPage* page = currentPage();
    const QString name = page != nullptr && page->pageId() == kFindWineWinePage
                             ? page->composeBookmark()
                             : QString();
    if (!name.isEmpty()) {
        addBookmark(name);
    }
}

QString MainView::placeTitle() const {
    QString place;
    switch (overlay()) {
        case Overlay::Personal:
            place = personalPanel_->shownKind() == EntryKind::Bookmark ? QStringLiteral("Bookmarks")
                                                                       : QStringLiteral("Notes");
            break;
        case Overlay::NameSearch:
            place = QStringLiteral("Find by Name");
            break;
        case Overlay::Menu:
            place = QStringLiteral("More Search");
            break;
        case Overlay::None:
            for (const HomeBanner& banner : kHomeBanners) {
                if (hasFlow() && banner.flowId == openFlowId_) {
                    place = QString::fromUtf8(banner.caption);
                }
            }
            break;
    }
    return place.isEmpty() ? kCaption : place + QStringLiteral(" — ") + kCaption;
}

void MainView::updateTitle() {
    if (QWidget* frame = window(); frame != this) {
        frame->setWindowTitle(placeTitle());
    }
}

void MainView::startFromMenu(int flowId) {
    if (isUp(Overlay::Personal)) {
        return;
    }
    uncover(Overlay::NameSearch);
    uncover(Overlay::Menu);
    closeFlow();
    // Only the menu of searches' own buttons start from the wine More Search remembered; the
    // Search menu starts afresh, as a home banner does. The record would otherwise pre-fill this
    // search, and every later start from the home picture, until a menu-of-searches start
    // dropped it.
    guide_.clearRecord();
    startFlowAt(flowId);
}

const QImage& MainView::homePicture() {
    const qreal dpr = devicePixelRatioF();
    if (home_.isNull() || !qFuzzyCompare(home_.devicePixelRatio(), dpr)) {
        home_ = paintHomePicture(dpr);
    }
    return home_;
}

void MainView::paintEvent(QPaintEvent* /*event*/) {
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), homePicture());
    }
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        updatePersonalMenu();
        Q_EMIT firstPainted();
    }
}

void MainView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    // A press that a page or panel left unhandled reaches the view too; only the home picture
    // itself answers taps.
    if (childAt(at) != nullptr) {
        return;
    }
    const int flow = homeBannerAt(at.x(), at.y());
    if (flow < 0) {
        return;
    }
    startFlowAt(flow);
}

void MainView::startFlowAt(int flowId) {
    startFlow(flowId);
    if (!hasFlow()) {
        return;
    }
    lastFlow_ = flowId;
    pages_[0]->activate(true);
    screenChanged();
}

}  // namespace corkwise
