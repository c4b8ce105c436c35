#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <vector>

namespace corkwise {

class CatalogFile;
class CatalogTable;
class NodeCursor;

// The facade through which the program reads the catalogue. Cursors made from it must not
// outlive it.
class Catalog {
public:
    // Opens the catalogue file at PATH (see CatalogFile).
    explicit Catalog(const QString& path);
    // Reads FILE (not null), which may be a catalogue in memory (CatalogFile::fromBytes).
    explicit Catalog(std::unique_ptr<CatalogFile> file);
    Catalog(const Catalog&) = delete;
    Catalog& operator=(const Catalog&) = delete;
    virtual ~Catalog();

    // Whether the file could be opened.
    bool isOpen() const;
    // A cursor on row 0, the root, of the level table named NAME (whole name); null when no
    // table has that name, it is not a level table, or it has no rows.
    std::unique_ptr<NodeCursor> openLevelTable(const QByteArray& name) const;
    // The table numbered NUMBER, or null. Owned by the catalogue.
    CatalogTable* tableAt(int number) const;
    // The number of the first table with the whole name NAME, or -1.
    int indexOfTable(const QByteArray& name) const;
    // The numbers, ascending, of the record tables that the record nodes of the search tree
    // rooted at the level table NAME point to, whatever those tables are called: every level of
    // the tree (the chain of next levels from NAME) is read node by node the first time, and the
    // answer is kept for the life of the catalogue. Empty when there is no such tree.
    const std::vector<int>& treeRecordTables(const QByteArray& name) const;
    // The short name of table NUMBER ("VINTAGE" for "DictVINTAGE"), or an empty text when there
    // is no such table.
    QByteArray tableShortName(int number) const;
    // The text the catalogue's dictionaries carry where a record has no value
    // (catalog_format::placeholderFor, Placeholders.h).
    static QByteArray defaultText(const QByteArray& shortName);

    // The underlying file. Owned by the catalogue.
    CatalogFile* file() const { return file_.get(); }

private:
    std::unique_ptr<CatalogFile> file_;
    // treeRecordTables' answers by tree name; the file never changes while it is open.
    mutable std::map<QByteArray, std::vector<int>> treeRecordTables_;
};

}  // namespace corkwise
