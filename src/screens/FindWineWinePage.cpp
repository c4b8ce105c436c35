#include "screens/FindWineWinePage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "controls/GridList.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"
#include "screens/RecordItems.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

namespace {

const QString kInfoTitle = QStringLiteral("Info:");

// Positions of the wine page's choices in the guide's selections; the chosen wine's own values
// follow them.
constexpr int kVintagePosition = 6;
constexpr int kProductPosition = 7;
constexpr int kWinePosition = 8;

// The text of SHORTNAME in WINE as shown in a cell; empty when the record lacks the column.
QString cellText(const RecordCursor& wine, const char* shortName) {
    return toDisplayText(wine.columnText(QByteArray(shortName)).value_or(QByteArray()));
}

}  // namespace

FindWineWinePage::FindWineWinePage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kFindWineWinePage, parent) {}

FindWineWinePage::~FindWineWinePage() = default;

int FindWineWinePage::createControls() {
    vintageLabel_ = findwine::makeLabel(this, QStringLiteral("Vintage:"), edges(10, 10, 80, 30),
                                        "vintageLabel");
    vintage_ = findwine::makeCombo(this, 1034, edges(80, 10, 230, 110), "vintageCombo");
    productLabel_ = findwine::makeLabel(this, QStringLiteral("Product:"), edges(10, 35, 80, 50),
                                        "productLabel");
    product_ = findwine::makeCombo(this, 1040, edges(10, 50, 230, 150), "productCombo");

    grid_ = new GridList(
        {GridColumn("Vintage", 50), GridColumn("Score", 50), GridColumn("Designation", 100)}, this);
    grid_->setObjectName(QStringLiteral("wineGrid"));
    grid_->setProperty("controlId", 10202);
    grid_->setListener(this);
    if (!grid_->create(edges(10, 80, 230, 185), this, true)) {
        return -1;
    }

    info_ = findwine::makeInfoBox(this, kInfoTitle, edges(10, 188, 230, 235), "infoBox", false);
    findwine::labelControl(vintageLabel_, vintage_);
    findwine::labelControl(productLabel_, product_);
    grid_->setAccessibleName(QStringLiteral("Wines"));

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("wineMenu"));
    QAction* add = menu_->addAction(QStringLiteral("Add bookmark"));
    add->setObjectName(QStringLiteral("addBookmarkAction"));
    add->setData(kAddBookmarkCommand);
    connect(add, &QAction::triggered, this, &FindWineWinePage::addBookmarkFromMenu);

    connect(vintage_, &QComboBox::activated, this, [this] {
        fillProducts(nullptr);
        refillGrid();
    });
    connect(product_, &QComboBox::activated, this, &FindWineWinePage::refillGrid);
    return 0;
}

void FindWineWinePage::clearPage() {
    if (vintage_ != nullptr) {
        clearList(vintage_, true);
        clearList(product_, true);
        grid_->clear();
        info_->setText(kInfoTitle);
    }
    SearchPage::clearPage();
}

std::unique_ptr<NodeCursor> FindWineWinePage::commitSelection() {
    return nullptr;
}

void FindWineWinePage::activate(bool entering) {
    if (vintage_ == nullptr) {
        return;
    }
    if (!entering) {
        menu_->hide();
        grid_->clear();
        if (host() != nullptr) {
            host()->allowAddBookmark(false);
        }
        return;
    }
    if (host() != nullptr) {
        host()->allowAddBookmark(true);
    }
    if (guide().advanceTo(pageId())) {
        setVintageLabel();
        fillList(vintage_, input(), true, nullptr, true);
        if (input() == nullptr) {
            clearList(vintage_, true);
        }
        fillProducts(nullptr);
    }
    refillGrid();
}

bool FindWineWinePage::loadLists() {
    if (vintage_ == nullptr) {
        return false;
    }
    setVintageLabel();
    bool result = fillList(vintage_, input(), true, fmt::dict::kVintage, true);
    if (input() == nullptr) {
        clearList(vintage_, true);
    }
    result = fillProducts(fmt::dict::kProduct) && result;
    refillGrid();
    // Add Bookmark is usable only while this page is shown; a page that could not follow the
    // remembered values is not (the page before it is shown instead).
    if (host() != nullptr) {
        host()->allowAddBookmark(result);
    }
    return result;
}

void FindWineWinePage::setVintageLabel() {
    const std::optional<QString> text = lookupSelection(QStringLiteral("fwForm4lbl"));
    vintageLabel_->setText(text.value_or(QStringLiteral("Vintage:")));
}

bool FindWineWinePage::fillProducts(const char* key) {
    const NodeCursor* vintage = selectedNode(vintage_, true);
    if (vintage == nullptr) {
        clearList(product_, true);
        return false;
    }
    return fillList(product_, vintage, true, key, false);
}

void FindWineWinePage::refillGrid() {
    grid_->clear();
    const NodeCursor* product = selectedNode(product_, true);
    forEachRecordChild(product, [&](const NodeCursor& child) {
        std::unique_ptr<RecordCursor> wine = child.openRecord();
        if (wine == nullptr) {
            // A record node whose record cannot be read gives no row.
            return;
        }
        const std::optional<QByteArray> designation = wine->columnText(fmt::dict::kDesignation);
        const QString designationCell =
            designation.has_value() && *designation != fmt::kNoDesignation
                ? toDisplayText(*designation)
                : QString();
        GridRow row{cellText(*wine, fmt::dict::kVintage), cellText(*wine, fmt::dict::kScore),
                    designationCell};
        grid_->addRow(std::move(row), std::move(wine));
    });
    if (grid_->rowCount() > 0) {
        const int row = selectOpeningWine();
        info_->setText(infoText(*grid_->cursorAt(row)));
    } else {
        // Nothing to describe: the box must not go on describing a wine no longer listed.
        info_->setText(kInfoTitle);
    }
}

int FindWineWinePage::selectOpeningWine() {
    // A search started from one wine (found by name, or More Search) opens on that wine, even
    // when another of the product's wines comes first, as long as its row shows unscrolled.
    const RecordCursor* wanted = guide().currentRecord();
    for (int i = 0; wanted != nullptr && i < grid_->rowCount(); ++i) {
        const RecordCursor* row = grid_->cursorAt(i);
        if (row != nullptr && row->table() == wanted->table() && row->row() == wanted->row()) {
            grid_->select(i);
            if (grid_->selectedSlot() == i) {
                return i;
            }
            break;
        }
    }
    grid_->select(0);
    return 0;
}

QString FindWineWinePage::infoText(const RecordCursor& wine) {
    QByteArray text;
    const auto append = [&](const char* shortName, bool always) {
        const std::optional<QByteArray> value = wine.columnText(QByteArray(shortName));
        if (!value.has_value()) {
            return;
        }
        if (!always && *value == fmt::placeholderFor(shortName)) {
            return;
        }
        text += *value;
        text += ' ';
    };
    append(fmt::dict::kProducer, true);
    append(fmt::dict::kAppellation, false);
    append(fmt::dict::kVariety, false);
    append(fmt::dict::kDesignation, false);
    // The catalogue's code page has one byte per character, so the cut is a character count.
    return toDisplayText(text.left(kMaxInfoLength));
}

void FindWineWinePage::onRowEvent(std::unique_ptr<GridEvent> event) {
    if (event != nullptr) {
        onGridEvent(*event);
    }
}

void FindWineWinePage::onRowOpened(const RecordCursor* cursor) {
    if (cursor != nullptr) {
        info_->setText(infoText(*cursor));
        if (host() != nullptr) {
            host()->showWineCard(*cursor);
        }
    }
}

void FindWineWinePage::onGridEvent(const GridEvent& event) {
    if (event.cursor() != nullptr) {
        info_->setText(infoText(*event.cursor()));
    }
    if (event.isHold()) {
        // Not modal: the choice arrives later through the action, outside the grid's own event
        // handling, so the grid may be emptied by what the choice leads to.
        menu_->popup(event.point());
    }
}

QString FindWineWinePage::composeBookmark() {
    if (product_ == nullptr) {
        return {};
    }
    WineGuide& g = guide();
    g.setSelection(kVintagePosition, selectedNode(vintage_, true));
    g.setSelection(kProductPosition, selectedNode(product_, true));
    // The wine's values follow the page choices; those of a wine reported earlier go first, or
    // the bookmark would carry them ahead of its own.
    g.truncateSelections(kWinePosition);
    g.setSelection(kWinePosition, grid_->selectedCursor());
    return product_->currentText();
}

void FindWineWinePage::addBookmarkFromMenu() {
    const QString name = composeBookmark();
    if (!name.isEmpty() && host() != nullptr) {
        host()->addBookmark(name);
    }
}

}  // namespace corkwise
