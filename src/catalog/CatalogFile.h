#pragma once
// The open catalogue file: its table directory, its tables and the big-endian read primitives
// the tables are built on. The file is opened once and stays open as long as the object lives;
// only the directory, the table headers and the column header of each record table are held in
// memory, every row is read when it is asked for.
//
// Opening reads the header and the directory only, with one or two plain reads: a table reads
// its block header (and a record table its column header) the first time it is used. Touching
// a page of a fresh map costs a page fault, which on a virtual machine may cost tens of
// microseconds, so nothing of the map is touched before a row is asked for.
//
// The file is not trusted: reads outside it come back short (-1 for a number, an empty array
// for bytes), and nothing is allocated from a count before it has been checked against the file.
//
// The same reader also reads a catalogue held in memory (fromBytes), with the same checks: the
// fuzzer and the tests of damaged catalogues feed it bytes without writing a file for each.

#include <QByteArray>
#include <QFile>
#include "catalog/Coding.h"
#include "catalog/WCATArray.h"

#include <QString>
#include <cstring>
#include <memory>
#include <vector>

namespace corkwise {

class CatalogTable;
class DictionaryTable;
class LevelTable;
class RecordTable;
class WCATArray;

class CatalogFile {
public:
    // How rows are fetched from the file: through a read-only memory map of the whole file, or
    // with a seek and a read per access. Both give the same results.
    enum class Access { Mapped, Positioned };
    static constexpr Access kDefaultAccess = Access::Mapped;

    // Opens PATH if it exists and reads its directory, building one table per entry of kind 0
    // to 3. Writes the trace lines of 47 '>', "TRY TO INIT DBS OBJECTS" (only when the file
    // opened), the table list's and tables' own lines, and 47 '<'.
    explicit CatalogFile(const QString& path, Access access = kDefaultAccess);
    // Reads the catalogue held in BYTES as the constructor reads a file of those bytes, with
    // the same trace lines. Mapped access reads the bytes in place, positioned access copies
    // them on every read, as it reads a file. The file is always open, has no path and never
    // changes on disk. BYTES may be QByteArray::fromRawData of a buffer that outlives the file.
    static std::unique_ptr<CatalogFile> fromBytes(QByteArray bytes, Access access = kDefaultAccess);
    CatalogFile(const CatalogFile&) = delete;
    CatalogFile& operator=(const CatalogFile&) = delete;
    ~CatalogFile();

    // Whether the file could be opened. An open file may hold no tables.
    bool isOpen() const { return open_; }
    // The entry count N from the header (-1 when it could not be read, 0 when not open).
    int entryCount() const { return entryCount_; }
    // The directory stride S from the header (-1 when it could not be read).
    int entryStride() const { return entryStride_; }
    // Number of tables built; table numbers run from 0 to tableCount() - 1.
    int tableCount() const;
    // Size of the file in bytes (0 when not open).
    qint64 size() const { return size_; }
    // True when the file was changed since it was opened: cut short, written over, or replaced
    // by another file under its name. A read of a mapped page the file no longer has reads
    // zeros instead of ending the program (catalog/MapGuard.h); what such reads return is then
    // unreliable, and the program should tell the user and stop using the catalogue.
    bool hasChangedOnDisk() const;
    // The path the file was opened by; empty for a catalogue read from memory.
    QString path() const { return file_.fileName(); }

    // The table numbered NUMBER, or null when there is none. Owned by this file.
    CatalogTable* tableAt(int number) const { return tables_ ? tables_->at(number) : nullptr; }
    // The same when the table is of that class, otherwise null.
    DictionaryTable* dictionaryAt(int number) const;
    RecordTable* recordTableAt(int number) const;
    LevelTable* levelTableAt(int number) const;
    // The first table in number order whose whole name equals NAME (exactly, case-sensitively);
    // null or -1 when none does or the file is not open.
    CatalogTable* tableByName(const QByteArray& name) const;
    int indexOfTable(const QByteArray& name) const;
    // The table list; null when the file is not open.
    const WCATArray* tables() const { return tables_.get(); }

    // Primitive reads. Every read that names a position moves there first; readU24/readU16 and
    // readName continue from the current position. Positions are absolute.
    void seek(qint64 position);
    // The next 3 bytes as u24, or -1 when fewer than 3 bytes are left.
    int readU24();
    // The next 2 bytes as u16, or -1 when fewer than 2 bytes are left.
    int readU16();
    int readU24At(qint64 position) {
        if (const uchar* p = mappedBytes(position, coding::kU24Size)) {
            return coding::getU24(p);
        }
        seek(position);
        return readU24();
    }
    int readU16At(qint64 position) {
        if (const uchar* p = mappedBytes(position, coding::kU16Size)) {
            return coding::getU16(p);
        }
        seek(position);
        return readU16();
    }
    // One byte as 0 to 255, or -1 when POSITION is outside the file.
    int readByteAt(qint64 position);
    // LENGTH bytes at POSITION, or an empty array when they cannot all be read.
    QByteArray readBytesAt(qint64 position, int length) {
        if (length > 0) {
            if (const uchar* p = mappedBytes(position, length)) {
                return QByteArray(reinterpret_cast<const char*>(p), length);
            }
        }
        return readBytesUnmapped(position, length);
    }
    // Copies LENGTH bytes at POSITION into OUT (room for LENGTH bytes); false, with OUT's
    // contents unspecified, when they cannot all be read.
    bool readInto(qint64 position, char* out, int length) {
        if (const uchar* p = mappedBytes(position, length)) {
            std::memcpy(out, p, static_cast<size_t>(length));
            return true;
        }
        return readIntoUnmapped(position, out, length);
    }
    // The LENGTH bytes at POSITION in place, for reading them without a copy: a pointer into the
    // map, with the position moved past them as a read would. Null, with nothing moved, when
    // the file is not mapped or the bytes do not lie wholly inside it; the caller then reads
    // them with readInto. The pointer is valid as long as this file lives.
    const uchar* mappedBytes(qint64 position, qint64 length) {
        if (map_ == nullptr || position < 0 || length < 0 || position > size_ ||
            length > size_ - position) {
            return nullptr;
        }
        position_ = position + length;
        return map_ + position;
    }
    // The 32-byte name field at the current position, up to its first NUL; a field without a
    // NUL is cut to 31 bytes. Bytes past the end of the file count as NUL.
    QByteArray readName();
    // Copies up to LENGTH bytes at POSITION into OUT with a plain read of the file, never
    // through the map, and returns the number copied (0 outside the file). For what is read
    // once, such as table headers: it does not fault in a page of the map. The current position
    // is left where it was.
    qint64 readDirect(qint64 position, char* out, qint64 length);

private:
    struct InMemory {};
    CatalogFile(QByteArray bytes, Access access, InMemory);
    // What both constructors do once the bytes can be read: the directory and the trace lines.
    void readDirectoryTraced();

    // What identifies the file's contents: the open file's size, time of change and inode, and
    // the inode the path names now.
    struct Identity {
        qint64 size = -1;
        qint64 modified = -1;
        quint64 inode = 0;
        quint64 device = 0;
        quint64 namedInode = 0;
        quint64 namedDevice = 0;
        bool operator==(const Identity& other) const = default;
    };
    static Identity identityOf(int fd, const QString& path);

    // Copies up to LENGTH bytes at the current position into OUT and moves past them;
    // returns the number copied.
    qint64 readRaw(char* out, qint64 length);
    // readBytesAt and readInto for what the map does not serve: positioned reads, and reads
    // that do not lie wholly inside the file.
    QByteArray readBytesUnmapped(qint64 position, int length);
    bool readIntoUnmapped(qint64 position, char* out, int length);
    void readDirectory();
    // Whether there are bytes to read: an open file or a catalogue in memory.
    bool readable() const { return inMemory_ || file_.isOpen(); }

    QFile file_;
    // Where mapped access reads: the file's map, or the bytes in memory.
    const uchar* map_ = nullptr;
    qint64 size_ = 0;
    qint64 position_ = 0;
    bool open_ = false;
    Identity identity_;
    int entryCount_ = 0;
    int entryStride_ = -1;
    std::unique_ptr<WCATArray> tables_;
    std::vector<std::unique_ptr<CatalogTable>> owned_;
    // The bytes of a catalogue read from memory, and a pointer to them; null for a file.
    bool inMemory_ = false;
    QByteArray memory_;
    const uchar* memoryBytes_ = nullptr;
};

}  // namespace corkwise
