#include "testsupport/CatalogBytes.h"

#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
#include "common/TextCodec.h"

namespace corkwise::test {

namespace fmt = catalog_format;

void appendU24(QByteArray& bytes, int value) {
    bytes.resize(bytes.size() + coding::kU24Size);
    putU24(bytes, static_cast<int>(bytes.size()) - coding::kU24Size, value);
}

void appendU16(QByteArray& bytes, int value) {
    bytes.resize(bytes.size() + coding::kU16Size);
    putU16(bytes, static_cast<int>(bytes.size()) - coding::kU16Size, value);
}

void appendU8(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xFF));
}

void putU24(QByteArray& bytes, int position, int value) {
    coding::putU24(bytes.data() + position, static_cast<std::uint32_t>(value));
}

void putU16(QByteArray& bytes, int position, int value) {
    coding::putU16(bytes.data() + position, static_cast<std::uint32_t>(value));
}

QByteArray CatalogBuilder::indexedBlock(int headerValue, const QList<QByteArray>& rows) {
    QByteArray block;
    appendU24(block, static_cast<int>(rows.size()));
    appendU24(block, headerValue);
    int offset = fmt::kBlockHeaderSize + fmt::kRowIndexEntrySize * static_cast<int>(rows.size());
    for (const QByteArray& row : rows) {
        appendU24(block, offset);
        offset += static_cast<int>(row.size());
    }
    for (const QByteArray& row : rows) {
        block.append(row);
    }
    return block;
}

int CatalogBuilder::add(Entry entry) {
    const bool numbered = entry.kind >= 0 && entry.kind <= 3;
    entries_.append(std::move(entry));
    if (!numbered) {
        return -1;
    }
    levelEntryOfTable_.append(static_cast<int>(entries_.size()) - 1);
    return tableCount_++;
}

int CatalogBuilder::addDictionary(const QByteArray& shortName, const QStringList& texts) {
    QList<QByteArray> rows;
    for (const QString& text : texts) {
        rows.append(toWindows1252(text));
    }
    return addDictionaryBytes(shortName, rows);
}

int CatalogBuilder::addDictionaryBytes(const QByteArray& shortName,
                                       const QList<QByteArray>& texts) {
    return addIndexedTable(fmt::kDictionaryPrefix + shortName, fmt::kDictionary, 0, texts);
}

int CatalogBuilder::addRecordTable(const QByteArray& name, const QList<int>& columns,
                                   const QList<QList<int>>& records, int recordSize) {
    const int width = recordSize >= 0 ? recordSize : 2 * static_cast<int>(columns.size());
    QByteArray block;
    appendU24(block, static_cast<int>(records.size()) + 1);
    appendU24(block, width);
    auto appendRow = [&](const QList<int>& values) {
        QByteArray row;
        for (int v : values) {
            appendU16(row, v);
        }
        row = row.left(width);
        row.append(QByteArray(width - row.size(), '\0'));
        block.append(row);
    };
    appendRow(columns);
    for (const QList<int>& record : records) {
        appendRow(record);
    }
    return add({name, fmt::kRecordTable, 0, block, 0});
}

int CatalogBuilder::addLevel(const QByteArray& name, int kind, int nextLevel,
                             const QList<LevelNode>& nodes) {
    QList<QByteArray> rows;
    for (const LevelNode& node : nodes) {
        QByteArray row;
        appendU16(row, node.valueId);
        appendU8(row, node.target);
        for (int c : node.children) {
            appendU24(row, c);
        }
        rows.append(row);
    }
    return addIndexedTable(name, kind, nextLevel < 0 ? 0 : nextLevel, rows);
}

void CatalogBuilder::setNextLevel(int table, int nextLevel) {
    Entry& e = entries_[levelEntryOfTable_.at(table)];
    putU24(e.block, 3, nextLevel);
}

int CatalogBuilder::addIndexedTable(const QByteArray& name, int kind, int headerValue,
                                    const QList<QByteArray>& rows) {
    return add({name, kind, 0, indexedBlock(headerValue, rows), 0});
}

int CatalogBuilder::addRawEntry(const QByteArray& name, int kind, const QByteArray& block,
                                int entryId) {
    return add({name, kind, entryId, block, 0});
}

QByteArray CatalogBuilder::build() {
    const int n = static_cast<int>(entries_.size());
    QByteArray bytes;
    appendU24(bytes, n);
    appendU24(bytes, stride_);
    int blockAt = fmt::kFileHeaderSize + n * stride_;
    for (Entry& e : entries_) {
        e.blockOffset = blockAt;
        blockAt += static_cast<int>(e.block.size());
    }
    for (const Entry& e : entries_) {
        QByteArray entry;
        appendU24(entry, e.entryId);
        appendU24(entry, e.kind);
        QByteArray name = e.name.left(fmt::kNameFieldSize);
        name.append(QByteArray(fmt::kNameFieldSize - name.size(), '\0'));
        entry.append(name);
        appendU24(entry, e.blockOffset);
        appendU24(entry, static_cast<int>(e.block.size()));
        if (stride_ > entry.size()) {
            entry.append(QByteArray(stride_ - entry.size(), '\xEE'));
        }
        bytes.append(entry.left(stride_));
    }
    for (const Entry& e : entries_) {
        bytes.append(e.block);
    }
    return bytes;
}

int CatalogBuilder::entryOffset(int entry) const {
    return fmt::kFileHeaderSize + entry * stride_;
}

int CatalogBuilder::blockOffset(int entry) const {
    return entries_.at(entry).blockOffset;
}

}  // namespace corkwise::test
