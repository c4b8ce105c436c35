#pragma once
// Builds small catalogue files byte by byte for tests: the file header, directory entries of
// any kind and stride, and the blocks of dictionaries, record tables and level tables.
//
//   CatalogBuilder b;
//   int origin = b.addDictionary("ORIGIN", {"France", "U.S."});
//   int wines = b.addRecordTable("Wines", {origin}, {{1}, {0}});
//   int level1 = b.nextTableNumber() + 1;  // the table added after the root level
//   b.addLevel("FWLevelTable0", 3, level1, {{0, origin, {0, 1}}});
//   b.addLevel("FWLevelTable1", 2, -1, {{0, origin, {}}, {1, wines, {}}});
//   QByteArray bytes = b.build();

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corkwise::test {

// Big-endian appends.
void appendU24(QByteArray& bytes, int value);
void appendU16(QByteArray& bytes, int value);
void appendU8(QByteArray& bytes, int value);
// Big-endian overwrites at POSITION (which must lie inside BYTES).
void putU24(QByteArray& bytes, int position, int value);
void putU16(QByteArray& bytes, int position, int value);

// One node of a level table.
struct LevelNode {
    int valueId = 0;           // row in the target table
    int target = 0;            // target table number (u8)
    QList<int> children = {};  // rows of the next level
};

class CatalogBuilder {
public:
    // Table number the next table added will get.
    int nextTableNumber() const { return tableCount_; }

    // A dictionary named "Dict" + SHORTNAME; each text is encoded to Windows-1252.
    int addDictionary(const QByteArray& shortName, const QStringList& texts);
    // The same with the texts as raw bytes.
    int addDictionaryBytes(const QByteArray& shortName, const QList<QByteArray>& texts);
    // A record table: row 0 holds COLUMNS (dictionary table numbers), each record one u16 per
    // column. RECORDSIZE overrides W (for odd widths; extra bytes are zero); by default
    // 2 * columns.
    int addRecordTable(const QByteArray& name, const QList<int>& columns,
                       const QList<QList<int>>& records, int recordSize = -1);
    // A level table of KIND (2 or 3) whose next level is table NEXTLEVEL.
    int addLevel(const QByteArray& name, int kind, int nextLevel, const QList<LevelNode>& nodes);
    // Changes the next level of level table TABLE (added before).
    void setNextLevel(int table, int nextLevel);
    // An indexed table of KIND with the given raw rows (row index computed).
    int addIndexedTable(const QByteArray& name, int kind, int headerValue,
                        const QList<QByteArray>& rows);
    // A directory entry of any KIND with BLOCK as its block, verbatim. Returns the table number
    // it gets, or -1 when KIND is outside 0 to 3 (such entries take no number).
    int addRawEntry(const QByteArray& name, int kind, const QByteArray& block, int entryId = 0);

    // Directory stride S; 44 by default. Bytes of an entry beyond 44 are filled with 0xEE.
    void setStride(int stride) { stride_ = stride; }

    // The whole file.
    QByteArray build();

    // After build(): where directory entry I starts, where the block of entry I starts.
    int entryOffset(int entry) const;
    int blockOffset(int entry) const;
    // Number of directory entries (including those of unknown kind).
    int entryCount() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        QByteArray name;
        int kind = 0;
        int entryId = 0;
        QByteArray block;
        int blockOffset = 0;
    };
    static QByteArray indexedBlock(int headerValue, const QList<QByteArray>& rows);
    int add(Entry entry);

    QList<Entry> entries_;
    QList<int> levelEntryOfTable_;  // entry index of each table number
    int tableCount_ = 0;
    int stride_ = 44;
};

}  // namespace corkwise::test
