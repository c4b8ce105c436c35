#include "screens/RecordItems.h"

#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "common/ErrorLog.h"

#include <QListWidget>
#include <QVariant>

// An entry owns its record cursor through the item data.
Q_DECLARE_METATYPE(std::shared_ptr<const corkwise::RecordCursor>)

namespace corkwise {

namespace {

using SharedRecord = std::shared_ptr<const RecordCursor>;

// Apart from the role fillList uses for its nodes.
constexpr int kRecordRole = Qt::UserRole + 2;

}  // namespace

void forEachRecordChild(const NodeCursor* node,
                        const std::function<void(const NodeCursor& child)>& visit) {
    const int n = node != nullptr ? node->childCount() : 0;
    for (int i = 0; i < n; ++i) {
        const std::unique_ptr<NodeCursor> child = node->child(i);
        if (child == nullptr) {
            continue;
        }
        if (child->nodeKind() == NodeCursor::kDictionaryNode) {
            logLine("VALUE IS STRING");
            continue;
        }
        visit(*child);
    }
}

void attachRecord(QListWidgetItem* item, std::unique_ptr<RecordCursor> record) {
    if (item != nullptr && record != nullptr) {
        item->setData(kRecordRole, QVariant::fromValue(SharedRecord(std::move(record))));
    }
}

const RecordCursor* recordAt(const QListWidget* list, int row) {
    const QListWidgetItem* item = list != nullptr ? list->item(row) : nullptr;
    return item != nullptr ? item->data(kRecordRole).value<SharedRecord>().get() : nullptr;
}

QByteArray listedText(const RecordCursor* record, const char* column) {
    const std::optional<QByteArray> text =
        record != nullptr ? record->columnText(column) : std::nullopt;
    return text.has_value() && !text->isEmpty()
               ? *text
               : QByteArray(catalog_format::placeholderFor(column));
}

}  // namespace corkwise
