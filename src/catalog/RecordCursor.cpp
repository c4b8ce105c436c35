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

std::optional<QByteArray> RecordCursor::columnText(const QByteArray& shortName) const {
    logPair("=========> DICTIONARY", shortName);
    const int j = table_ != nullptr ? table_->columnByName(shortName) : -1;
    const int d = table_ != nullptr ? table_->columnDictionary(j) : -1;
    if (d != -1) {
        logNumber("==================> FIND DICTTIONARY ID", d);
    }
    logNumber("=========> DICT ID", d);
    if (d == -1) {
        return std::nullopt;
    }
    const int v = table_->valueInColumn(row_, j);
    logNumber("=========> NODE ID", v);
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

std::optional<DictRef> RecordCursor::columnRef(const QByteArray& shortName) const {
    logPair("==========> DICTIONARY", shortName);
    const int d = table_ != nullptr ? table_->dictNumberByName(shortName) : -1;
    const int v = d != -1 ? table_->valueAt(row_, d) : -1;
    logNumber("==========> DICTIONARY ID", d);
    logNumber("==========> DICTIONARY recID", v);
    if (d == -1) {
        return std::nullopt;
    }
    return DictRef(v, d);
}

std::unique_ptr<RecordCursor> RecordCursor::clone() const {
    return std::make_unique<RecordCursor>(file_, table_, row_);
}

}  // namespace corkwise
