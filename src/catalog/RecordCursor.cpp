#include "catalog/RecordCursor.h"

#include "catalog/CatalogFile.h"
#include "catalog/DictionaryTable.h"
#include "catalog/RecordTable.h"
#include "common/ErrorLog.h"

namespace corkwise {

namespace {

QByteArray destructorLine(const char* words) {
    return QByteArray(23, '=') + ' ' + words + ' ' + QByteArray(20, '=');
}

}  // namespace

RecordCursor::RecordCursor(CatalogFile* file, const RecordTable* table, int row)
    : file_(file), table_(table), row_(row) {}

RecordCursor::~RecordCursor() {
    static const QByteArray before = destructorLine("CALL TABLE ROW DATA DESTRUCTOR");
    static const QByteArray after = destructorLine("FINISH CALL TABLE ROW DATA DESTRUCTOR");
    logLine(before);
    logLine(after);
}

const std::vector<int>& RecordCursor::columns() const {
    static const std::vector<int> none;
    return table_ != nullptr ? table_->columns() : none;
}

// The trace labels are made once: a label built from a C string on every call would cost an
// allocation per column read even with the log switched off.
namespace {

void traceName(const char* label, QByteArrayView name) {
    if (ErrorLog::isEnabled()) {
        logPair(label, name.toByteArray());
    }
}

}  // namespace

std::optional<QByteArray> RecordCursor::textOf(QByteArrayView shortName) const {
    static const QByteArray kFound = QByteArrayLiteral("==================> FIND DICTTIONARY ID");
    static const QByteArray kDictId = QByteArrayLiteral("=========> DICT ID");
    static const QByteArray kNodeId = QByteArrayLiteral("=========> NODE ID");
    traceName("=========> DICTIONARY", shortName);
    const int j = table_ != nullptr ? table_->columnByName(shortName) : -1;
    const int d = table_ != nullptr ? table_->columnDictionary(j) : -1;
    if (d != -1) {
        logNumber(kFound, d);
    }
    logNumber(kDictId, d);
    if (d == -1) {
        return std::nullopt;
    }
    const int v = table_->valueInColumn(row_, j);
    logNumber(kNodeId, v);
    if (v == -1) {
        return std::nullopt;
    }
    const DictionaryTable* dictionary = file_->dictionaryAt(d);
    if (dictionary == nullptr) {
        return QByteArray("");
    }
    QByteArray text = dictionary->readRow(v);
    return text.isNull() ? QByteArray("") : text;
}

std::optional<DictRef> RecordCursor::refOf(QByteArrayView shortName) const {
    static const QByteArray kFound = QByteArrayLiteral("==================> FIND DICTTIONARY ID");
    static const QByteArray kDictId = QByteArrayLiteral("==========> DICTIONARY ID");
    static const QByteArray kRecId = QByteArrayLiteral("==========> DICTIONARY recID");
    traceName("==========> DICTIONARY", shortName);
    const int j = table_ != nullptr ? table_->columnByName(shortName) : -1;
    const int d = table_ != nullptr ? table_->columnDictionary(j) : -1;
    if (d != -1) {
        logNumber(kFound, d);
    }
    const int v = d != -1 ? table_->valueInColumn(row_, j) : -1;
    logNumber(kDictId, d);
    logNumber(kRecId, v);
    if (d == -1) {
        return std::nullopt;
    }
    return DictRef(v, d);
}

std::unique_ptr<RecordCursor> RecordCursor::clone() const {
    return std::make_unique<RecordCursor>(file_, table_, row_);
}

}  // namespace corkwise
