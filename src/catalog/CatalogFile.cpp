#include "catalog/CatalogFile.h"

#include "catalog/CatalogFormat.h"
#include "catalog/CatalogTable.h"
#include "catalog/Coding.h"
#include "catalog/DictionaryTable.h"
#include "catalog/LevelTable.h"
#include "catalog/MapGuard.h"
#include "catalog/RecordTable.h"
#include "catalog/WCATArray.h"
#include "common/ErrorLog.h"

#include <cstring>

#include <algorithm>
#include <cerrno>

#if defined(Q_OS_UNIX)
#include <sys/mman.h>
#include <unistd.h>
#endif
#include <sys/stat.h>

namespace corkwise {

namespace fmt = catalog_format;

CatalogFile::CatalogFile(const QString& path, Access access) : file_(path) {
    logLine(QByteArray(47, '>'));
    // Unbuffered: positioned reads go straight to the file, as a buffer would be a cache of
    // rows. The map, when made, serves every read instead.
    const QIODevice::OpenMode mode = QIODevice::ReadOnly | QIODevice::Unbuffered;
    if (file_.exists() && file_.open(mode)) {
        size_ = file_.size();
        if (access == Access::Mapped && size_ > 0) {
            map_ = file_.map(0, size_);
#if defined(Q_OS_UNIX)
            // Rows are read one here, one there: reading ahead around each would only make
            // pages resident that no one asked for. The map starts at offset 0 and so on a
            // page boundary. A refused hint changes nothing but the memory figures.
            if (map_ != nullptr) {
                madvise(const_cast<uchar*>(map_), static_cast<size_t>(size_), MADV_RANDOM);
            }
#endif
            if (map_ != nullptr) {
                map_guard::watch(map_, size_);
            }
        }
        identity_ = identityOf(file_.handle(), path);
        readDirectoryTraced();
    }
    logLine(QByteArray(47, '<'));
}

CatalogFile::CatalogFile(QByteArray bytes, Access access, InMemory) : memory_(std::move(bytes)) {
    logLine(QByteArray(47, '>'));
    inMemory_ = true;
    size_ = memory_.size();
    memoryBytes_ = reinterpret_cast<const uchar*>(memory_.constData());
    // As with a file, an empty catalogue has no map.
    if (access == Access::Mapped && size_ > 0) {
        map_ = memoryBytes_;
    }
    readDirectoryTraced();
    logLine(QByteArray(47, '<'));
}

std::unique_ptr<CatalogFile> CatalogFile::fromBytes(QByteArray bytes, Access access) {
    return std::unique_ptr<CatalogFile>(new CatalogFile(std::move(bytes), access, InMemory{}));
}

void CatalogFile::readDirectoryTraced() {
    logLine("TRY TO INIT DBS OBJECTS");
    tables_ = std::make_unique<WCATArray>();
    readDirectory();
    open_ = true;
}

CatalogFile::~CatalogFile() {
    // The tables refer to this file; they go first.
    tables_.reset();
    owned_.clear();
    if (map_ != nullptr && !inMemory_) {
        map_guard::forget(map_);
        file_.unmap(const_cast<uchar*>(map_));
    }
}

CatalogFile::Identity CatalogFile::identityOf(int fd, const QString& path) {
    Identity identity;
    struct stat opened {};
    struct stat named {};
    if (fd >= 0 && ::fstat(fd, &opened) == 0) {
        identity.size = opened.st_size;
        identity.modified = opened.st_mtim.tv_sec * 1000000000LL + opened.st_mtim.tv_nsec;
        identity.inode = opened.st_ino;
        identity.device = opened.st_dev;
    }
    if (::stat(QFile::encodeName(path).constData(), &named) == 0) {
        identity.namedInode = named.st_ino;
        identity.namedDevice = named.st_dev;
    }
    return identity;
}

bool CatalogFile::hasChangedOnDisk() const {
    if (!open_ || inMemory_) {
        return false;
    }
    if (map_ != nullptr && map_guard::faulted(map_)) {
        return true;
    }
    return !(identityOf(file_.handle(), file_.fileName()) == identity_);
}

void CatalogFile::readDirectory() {
    // The directory is read in windows of plain reads: a compiled catalogue's header and
    // directory (44 bytes per table) come in one read.
    constexpr qint64 kWindow = 16 * 1024;
    QByteArray window;
    qint64 windowStart = 0;
    const auto load = [&](qint64 start, qint64 wanted) {
        window.resize(static_cast<qsizetype>(std::max<qint64>(wanted, 0)));
        window.resize(static_cast<qsizetype>(readDirect(start, window.data(), window.size())));
        windowStart = start;
    };
    load(0, kWindow);
    entryCount_ = window.size() >= coding::kU24Size ? coding::getU24(window.constData()) : -1;
    entryStride_ = window.size() >= 2 * coding::kU24Size
                       ? coding::getU24(window.constData() + coding::kU24Size)
                       : -1;
    if (entryCount_ <= 0) {
        return;
    }
    // A stride below the entry size would make entries overlap: with stride 0 every one of up
    // to 16 million entries would be the same table. No catalogue is written that way, so the
    // directory counts as empty.
    if (entryStride_ < fmt::kEntrySize) {
        return;
    }
    for (qint64 i = 0; i < entryCount_; ++i) {
        const qint64 start = fmt::kFileHeaderSize + i * entryStride_;
        // Past this point not even the kind can be read, so every remaining entry would be
        // skipped: stop rather than spin through up to 16 million of them.
        if (start + fmt::kEntryKindOffset + coding::kU24Size > size_) {
            break;
        }
        if (start < windowStart || start + fmt::kEntrySize > windowStart + kWindow) {
            load(start, std::min(kWindow, (entryCount_ - i) * qint64{entryStride_}));
        }
        // The entry's bytes up to the end of the file: a field cut short reads as -1, name
        // bytes past the end as NUL.
        const char* e = window.constData() + (start - windowStart);
        const qint64 have = std::min<qint64>(fmt::kEntrySize, windowStart + window.size() - start);
        const auto field = [&](int offset) {
            return have >= offset + coding::kU24Size ? coding::getU24(e + offset) : -1;
        };
        TableDescriptor d;
        d.entryId = field(fmt::kEntryIdOffset);
        d.kind = field(fmt::kEntryKindOffset);
        const qint64 nameBytes =
            std::clamp<qint64>(have - fmt::kEntryNameOffset, 0, fmt::kNameFieldSize - 1);
        const char* name = e + fmt::kEntryNameOffset;
        d.name =
            QByteArray(name, static_cast<qsizetype>(strnlen(name, static_cast<size_t>(nameBytes))));
        d.blockOffset = field(fmt::kEntryBlockOffset);
        d.blockSize = field(fmt::kEntryBlockSize);
        std::unique_ptr<CatalogTable> table;
        switch (d.kind) {
            case fmt::kDictionary:
                table = std::make_unique<DictionaryTable>(this, std::move(d));
                break;
            case fmt::kRecordTable:
                table = std::make_unique<RecordTable>(this, std::move(d));
                break;
            case fmt::kMixedLevel:
            case fmt::kDictionaryLevel:
                table = std::make_unique<LevelTable>(this, std::move(d));
                break;
            default:
                continue;  // unknown kinds take no table number
        }
        tables_->add(table.get());
        owned_.push_back(std::move(table));
    }
}

int CatalogFile::tableCount() const {
    return tables_ ? tables_->size() : 0;
}

DictionaryTable* CatalogFile::dictionaryAt(int number) const {
    CatalogTable* t = tableAt(number);
    return t != nullptr && t->kind() == fmt::kDictionary ? static_cast<DictionaryTable*>(t)
                                                         : nullptr;
}

RecordTable* CatalogFile::recordTableAt(int number) const {
    CatalogTable* t = tableAt(number);
    return t != nullptr && t->kind() == fmt::kRecordTable ? static_cast<RecordTable*>(t) : nullptr;
}

LevelTable* CatalogFile::levelTableAt(int number) const {
    CatalogTable* t = tableAt(number);
    if (t == nullptr) {
        return nullptr;
    }
    return t->kind() == fmt::kMixedLevel || t->kind() == fmt::kDictionaryLevel
               ? static_cast<LevelTable*>(t)
               : nullptr;
}

CatalogTable* CatalogFile::tableByName(const QByteArray& name) const {
    return tableAt(indexOfTable(name));
}

int CatalogFile::indexOfTable(const QByteArray& name) const {
    const int n = tableCount();
    for (int i = 0; i < n; ++i) {
        if (tables_->at(i)->name() == name) {
            return i;
        }
    }
    return -1;
}

void CatalogFile::seek(qint64 position) {
    position_ = position;
    if (map_ == nullptr && file_.isOpen() && position >= 0 && position <= size_) {
        file_.seek(position);
    }
}

qint64 CatalogFile::readRaw(char* out, qint64 length) {
    if (!readable() || length <= 0 || position_ < 0 || position_ >= size_) {
        return 0;
    }
    const qint64 available = std::min(length, size_ - position_);
    qint64 got = 0;
    if (const uchar* bytes = map_ != nullptr ? map_ : memoryBytes_) {
        std::memcpy(out, bytes + position_, static_cast<size_t>(available));
        got = available;
    } else {
        got = file_.read(out, available);
        if (got < 0) {
            got = 0;
        }
    }
    position_ += got;
    return got;
}

int CatalogFile::readU24() {
    char b[coding::kU24Size];
    if (readRaw(b, coding::kU24Size) != coding::kU24Size) {
        return -1;
    }
    return coding::getU24(b);
}

int CatalogFile::readU16() {
    char b[coding::kU16Size];
    if (readRaw(b, coding::kU16Size) != coding::kU16Size) {
        return -1;
    }
    return coding::getU16(b);
}

int CatalogFile::readByteAt(qint64 position) {
    seek(position);
    unsigned char b = 0;
    if (readRaw(reinterpret_cast<char*>(&b), 1) != 1) {
        return -1;
    }
    return b;
}

QByteArray CatalogFile::readBytesUnmapped(qint64 position, int length) {
    seek(position);
    if (length <= 0 || position < 0 || position > size_ || length > size_ - position) {
        return QByteArray();
    }
    QByteArray bytes(length, Qt::Uninitialized);
    if (readRaw(bytes.data(), length) != length) {
        return QByteArray();
    }
    return bytes;
}

bool CatalogFile::readIntoUnmapped(qint64 position, char* out, int length) {
    seek(position);
    return length >= 0 && readRaw(out, length) == length;
}

qint64 CatalogFile::readDirect(qint64 position, char* out, qint64 length) {
    if (!readable() || length <= 0 || position < 0 || position >= size_) {
        return 0;
    }
    const qint64 wanted = std::min(length, size_ - position);
    if (inMemory_) {
        std::memcpy(out, memoryBytes_ + position, static_cast<size_t>(wanted));
        return wanted;
    }
    qint64 done = 0;
#if defined(Q_OS_UNIX)
    const int fd = file_.handle();
    while (done < wanted) {
        const ssize_t n = ::pread(fd, out + done, static_cast<size_t>(wanted - done),
                                  static_cast<off_t>(position + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += n;
    }
#else
    if (file_.seek(position)) {
        done = std::max<qint64>(file_.read(out, wanted), 0);
    }
    if (map_ == nullptr) {
        file_.seek(std::clamp<qint64>(position_, 0, size_));
    }
#endif
    return done;
}

QByteArray CatalogFile::readName() {
    char field[fmt::kNameFieldSize] = {};
    readRaw(field, fmt::kNameFieldSize);
    // The last byte is the terminator's place: a field without a NUL keeps 31 characters.
    const size_t length = strnlen(field, fmt::kNameFieldSize - 1);
    return QByteArray(field, static_cast<qsizetype>(length));
}

}  // namespace corkwise
