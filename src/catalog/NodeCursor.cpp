#include "catalog/NodeCursor.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/DictionaryTable.h"
#include "catalog/LevelTable.h"
#include "catalog/RecordCursor.h"
#include "catalog/RecordTable.h"
#include "common/ErrorLog.h"

#include <algorithm>

namespace corkwise {

namespace fmt = catalog_format;

namespace {

// CatalogFile::levelTableAt and dictionaryAt, here where the compiler can see them: listing
// children looks up two tables per child.
LevelTable* levelAt(const CatalogFile* file, int number) {
    CatalogTable* t = file->tableAt(number);
    return t != nullptr && (t->kind() == fmt::kMixedLevel || t->kind() == fmt::kDictionaryLevel)
               ? static_cast<LevelTable*>(t)
               : nullptr;
}

const DictionaryTable* dictionaryAt(const CatalogFile* file, int number) {
    const CatalogTable* t = file->tableAt(number);
    return t != nullptr && t->kind() == fmt::kDictionary ? static_cast<const DictionaryTable*>(t)
                                                         : nullptr;
}

}  // namespace

NodeCursor::NodeCursor(CatalogFile* file, int tableNumber, int row)
    : file_(file), tableNumber_(tableNumber), row_(row), table_(levelAt(file, tableNumber)) {}

bool NodeCursor::isValid() const {
    return table_ != nullptr && row_ >= 0 && row_ < table_->rowCount();
}

std::unique_ptr<NodeCursor> NodeCursor::clone() const {
    logLine(QByteArray(92, '*'));
    return std::make_unique<NodeCursor>(file_, tableNumber_, row_);
}

int NodeCursor::readKind(LevelTable::Node* node, bool* readable) const {
    *readable = false;
    if (!isValid()) {
        return kRecordNode;
    }
    *readable = table_->readNode(row_, node);
    if (table_->kind() == fmt::kDictionaryLevel) {
        return kDictionaryNode;
    }
    if (table_->kind() == fmt::kMixedLevel && *readable &&
        dictionaryAt(file_, node->target) != nullptr) {
        return kDictionaryNode;
    }
    return kRecordNode;
}

int NodeCursor::nodeKind() const {
    LevelTable::Node node;
    bool readable = false;
    return readKind(&node, &readable);
}

int NodeCursor::childCount() const {
    LevelTable::Node node;
    bool readable = false;
    if (readKind(&node, &readable) != kDictionaryNode || !readable) {
        return 0;
    }
    return node.childCount;
}

std::unique_ptr<NodeCursor> NodeCursor::child(int k) const {
    LevelTable::Node node;
    bool readable = false;
    if (readKind(&node, &readable) != kDictionaryNode || !readable || k < 0 ||
        k >= node.childCount) {
        return nullptr;
    }
    const int next = table_->nextLevel();
    const int r = table_->child(node, k);
    LevelTable* nextTable = levelAt(file_, next);
    if (nextTable == nullptr || r < 0 || r >= nextTable->rowCount()) {
        return nullptr;
    }
    return std::unique_ptr<NodeCursor>(new NodeCursor(file_, next, r, nextTable));
}

QByteArray NodeCursor::nodeText() const {
    LevelTable::Node node;
    bool readable = false;
    if (readKind(&node, &readable) != kDictionaryNode || !readable) {
        return QByteArray();
    }
    const DictionaryTable* dictionary = dictionaryAt(file_, node.target);
    qint64 offset = 0;
    int length = 0;
    if (dictionary == nullptr || !dictionary->rowSpan(node.value, &offset, &length) ||
        length <= 0) {
        return QByteArray();
    }
    // The text goes into a 255-byte buffer with its terminator: a longer row is cut.
    return file_->readBytesAt(offset, std::min(length, fmt::kMaxTextLength));
}

std::unique_ptr<RecordCursor> NodeCursor::openRecord() const {
    if (table_ == nullptr || nodeKind() != kRecordNode) {
        return nullptr;
    }
    const int t = table_->nodeTarget(row_);
    const int v = table_->nodeValue(row_);
    static const QByteArray kTable = QByteArrayLiteral("=========> TABLE DB ID");
    static const QByteArray kRow = QByteArrayLiteral("=========> TABLE DB ROW");
    logNumber(kTable, t);
    logNumber(kRow, v);
    const RecordTable* records = file_->recordTableAt(t);
    // Row 0 holds the column header, not a record.
    if (records == nullptr || v < 1 || v >= records->rowCount()) {
        return nullptr;
    }
    return std::make_unique<RecordCursor>(file_, records, v);
}

std::optional<DictRef> NodeCursor::valueRef() const {
    if (table_ == nullptr || nodeKind() != kDictionaryNode) {
        return std::nullopt;
    }
    return DictRef(table_->nodeValue(row_), table_->nodeTarget(row_));
}

}  // namespace corkwise
