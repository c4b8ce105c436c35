#include "screens/SearchPage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "common/ErrorLog.h"
#include "controls/ReadablePalette.h"
#include "guide/WineGuide.h"

#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QVariant>

// The list entries own their node through the item data.
Q_DECLARE_METATYPE(std::shared_ptr<const corkwise::NodeCursor>)

namespace corkwise {

namespace fmt = catalog_format;

namespace {

using SharedNode = std::shared_ptr<const NodeCursor>;

constexpr int kNodeRole = Qt::UserRole + 1;

QComboBox* asCombo(QWidget* list, bool isCombo) {
    return isCombo ? qobject_cast<QComboBox*>(list) : nullptr;
}

QListWidget* asListBox(QWidget* list, bool isCombo) {
    return isCombo ? nullptr : qobject_cast<QListWidget*>(list);
}

int entryCount(const QWidget* list, bool isCombo) {
    if (isCombo) {
        const auto* combo = qobject_cast<const QComboBox*>(list);
        return combo != nullptr ? combo->count() : 0;
    }
    const auto* box = qobject_cast<const QListWidget*>(list);
    return box != nullptr ? box->count() : 0;
}

QString entryText(const QWidget* list, bool isCombo, int index) {
    if (isCombo) {
        return qobject_cast<const QComboBox*>(list)->itemText(index);
    }
    return qobject_cast<const QListWidget*>(list)->item(index)->text();
}

// Index of the first entry, from the top, whose text begins with PREFIX ignoring case; -1 when
// none does.
int findPrefix(const QWidget* list, bool isCombo, const QString& prefix) {
    const int n = entryCount(list, isCombo);
    for (int i = 0; i < n; ++i) {
        if (entryText(list, isCombo, i).startsWith(prefix, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

const QColor SearchPage::kBackground(174, 196, 175);
const QColor SearchPage::kBoxColour(147, 167, 148);
const QColor SearchPage::kFrameColour(125, 125, 125);

SearchPage::SearchPage(WineGuide& guide, int pageId, QWidget* parent)
    : QWidget(parent),
      GuidePage(guide.openFlowRoot(pageId)),
      guide_(guide),
      pageId_(pageId),
      owner_(parent) {
    setObjectName(QStringLiteral("searchPage%1").arg(pageId));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(false);
    hide();
}

SearchPage::~SearchPage() = default;

void SearchPage::clearPage() {
    selections_.clear();
}

std::unique_ptr<NodeCursor> SearchPage::commitSelection() {
    return nullptr;
}

void SearchPage::activate(bool /*entering*/) {}

bool SearchPage::loadLists() {
    return true;
}

int SearchPage::createControls() {
    return 0;
}

void SearchPage::onGridEvent(const GridEvent& /*event*/) {}

int SearchPage::pageId() const {
    return pageId_;
}

QString SearchPage::takeMessage() {
    QString taken;
    taken.swap(message_);
    return taken;
}

const StringMap& SearchPage::selections() const {
    return selections_;
}

std::optional<QString> SearchPage::lookupSelection(const QString& key) const {
    return selections_.get(key);
}

void SearchPage::clearList(QWidget* list, bool isCombo) {
    // Emptying a list is no choice of the user's: nobody is told.
    const QSignalBlocker blocker(list);
    if (QComboBox* combo = asCombo(list, isCombo)) {
        combo->clear();
    } else if (QListWidget* box = asListBox(list, isCombo)) {
        box->clear();
    }
}

bool SearchPage::fillList(QWidget* list, const NodeCursor* node, bool isCombo, const char* key,
                          bool reverse) {
    if (node == nullptr) {
        return false;
    }
    QComboBox* combo = asCombo(list, isCombo);
    QListWidget* box = asListBox(list, isCombo);
    if (combo == nullptr && box == nullptr) {
        return false;
    }

    // Filling and selecting are the program's doing, not a choice of the user's: the list's
    // listeners are not told, as a page reacts only to the user changing a selection.
    const QSignalBlocker blocker(list);
    const int n = node->childCount();
    clearList(list, isCombo);
    bool result = true;

    for (int step = 0; step < n; ++step) {
        const int i = reverse ? n - 1 - step : step;
        std::unique_ptr<NodeCursor> child = node->child(i);
        if (child == nullptr) {
            continue;
        }
        const QString label = toDisplayText(child->nodeText());
        const QVariant owned = QVariant::fromValue(SharedNode(std::move(child)));
        if (combo != nullptr) {
            combo->addItem(label);
            combo->setItemData(combo->count() - 1, owned, kNodeRole);
        } else {
            auto* item = new QListWidgetItem(label, box);
            item->setData(kNodeRole, owned);
        }
        logLine("ADD CHILD OK");
    }

    int selected = 0;
    if (key != nullptr) {
        const QByteArray keyBytes(key);
        if (guide_.hasSelection()) {
            const std::optional<QString> value = guide_.valueText(QString::fromLatin1(keyBytes));
            if (value.has_value()) {
                const int found = findPrefix(list, isCombo, *value);
                if (found >= 0) {
                    selected = found;
                } else {
                    result = false;
                    setMessage(missingValueMessage(keyBytes, *value));
                }
            }
        } else if (keyBytes == fmt::dict::kCategory) {
            selected = std::max(0, findPrefix(list, isCombo, QStringLiteral("Still")));
        } else if (keyBytes == fmt::dict::kOrigin) {
            selected = std::max(0, findPrefix(list, isCombo, QStringLiteral("U.S.")));
        }
    }

    if (entryCount(list, isCombo) > selected) {
        if (combo != nullptr) {
            combo->setCurrentIndex(selected);
        } else {
            box->setCurrentRow(selected);
        }
    }
    return result;
}

QString SearchPage::composeBookmark() {
    return {};
}

void SearchPage::copySelections(const StringMap& map) {
    for (int i = 0; i < map.count(); ++i) {
        selections_.set(map.key(i), map.value(i));
    }
}

QFont SearchPage::pageFont(int height, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(height);
    font.setWeight(bold ? QFont::Bold : QFont::Light);
    return font;
}

QString SearchPage::buttonStyleSheet() {
    const QColor box = kBoxColour;
    const QColor frame = kFrameColour;
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black; border: 1px solid %2;"
               " border-radius: 3px; padding: 0px; }"
               "QPushButton:pressed { background-color: %3; color: white; }"
               "QPushButton:disabled { color: %4; }"
               "QPushButton:focus { border: 1px solid black; }")
        .arg(box.name(), frame.name(), box.darker(150).name(), kGreyedText.name());
}

const NodeCursor* SearchPage::nodeAt(const QWidget* list, bool isCombo, int index) {
    if (index < 0 || index >= entryCount(list, isCombo)) {
        return nullptr;
    }
    QVariant stored;
    if (isCombo) {
        stored = qobject_cast<const QComboBox*>(list)->itemData(index, kNodeRole);
    } else {
        stored = qobject_cast<const QListWidget*>(list)->item(index)->data(kNodeRole);
    }
    return stored.value<SharedNode>().get();
}

const NodeCursor* SearchPage::selectedNode(const QWidget* list, bool isCombo) {
    if (isCombo) {
        const auto* combo = qobject_cast<const QComboBox*>(list);
        return combo != nullptr ? nodeAt(list, true, combo->currentIndex()) : nullptr;
    }
    const auto* box = qobject_cast<const QListWidget*>(list);
    return box != nullptr ? nodeAt(list, false, box->currentRow()) : nullptr;
}

bool SearchPage::createWindow(PageHost* host, QWidget* parent, const QRect& rect) {
    host_ = host;
    setParent(parent);
    setGeometry(rect);
    hide();
    if (!controlsCreated_) {
        if (createControls() != 0) {
            setParent(owner_);
            hide();
            host_ = nullptr;
            return false;
        }
        controlsCreated_ = true;
    }
    hasWindow_ = true;
    return true;
}

void SearchPage::destroyWindow() {
    if (!hasWindow_) {
        return;
    }
    hide();
    setParent(owner_);
    hide();
    hasWindow_ = false;
}

void SearchPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
}

void SearchPage::setMessage(const QString& text) {
    if (message_.isEmpty()) {
        message_ = text;
    }
}

QString keyDisplayName(const QByteArray& key) {
    if (key == fmt::dict::kOrigin) {
        return QStringLiteral("Origin");
    }
    if (key == fmt::dict::kCategory) {
        return QStringLiteral("Wine Category");
    }
    if (key == fmt::dict::kType) {
        return QStringLiteral("Wine Type");
    }
    if (key == fmt::dict::kRegion) {
        return QStringLiteral("Region");
    }
    return QString::fromLatin1(key);
}

QString missingValueMessage(const QByteArray& key, const QString& value) {
    const QString d = keyDisplayName(key);
    return QStringLiteral("No data available for ") + d + QStringLiteral(" : \"") + value +
           QStringLiteral("\" Please choose another ") + d + QStringLiteral(".");
}

}  // namespace corkwise
