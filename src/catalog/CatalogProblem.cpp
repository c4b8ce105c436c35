#include "catalog/CatalogProblem.h"

#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace corkwise {

namespace fmt = catalog_format;

namespace {

using Kind = CatalogProblem::Kind;

// A table entry of the directory, as far as this check needs it.
struct TableEntry {
    int kind = 0;
    QByteArray name;
    qint64 block = 0;
    qint64 blockSize = 0;
};

qint64 u24At(const QByteArray& bytes, qint64 at) {
    return coding::getU24(bytes.constData() + at);
}

CatalogProblem problem(Kind kind, const QString& text) {
    CatalogProblem p;
    p.kind = kind;
    p.text = text;
    return p;
}

CatalogProblem notACatalogue(const QString& shown) {
    return problem(Kind::NotACatalogue,
                   QStringLiteral("%1 is not a Corkwise catalogue.").arg(shown));
}

CatalogProblem cutShort(const QString& shown, qint64 size) {
    CatalogProblem p =
        problem(Kind::CutShort, QStringLiteral("%1 is cut short at byte %2.").arg(shown).arg(size));
    p.cutAt = size;
    return p;
}

// A table's name as a catalogue writes it: printable characters, at least one. Bytes of a file
// that is not a catalogue rarely look like that.
bool plausibleName(const QByteArray& name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x20 && b != 0x7F;
    });
}

// Reads LENGTH bytes at POSITION; fewer when the file ends first.
QByteArray readAt(QFile& file, qint64 position, qint64 length) {
    if (!file.seek(position)) {
        return QByteArray();
    }
    return file.read(length);
}

// Whether the rows the block header promises fit in the block.
bool rowsFit(QFile& file, const TableEntry& t) {
    if (t.blockSize < fmt::kBlockHeaderSize) {
        return false;
    }
    const QByteArray header = readAt(file, t.block, fmt::kBlockHeaderSize);
    if (header.size() < fmt::kBlockHeaderSize) {
        return false;
    }
    const qint64 rows = u24At(header, 0);
    const qint64 rowBytes =
        t.kind == fmt::kRecordTable ? rows * u24At(header, 3) : rows * fmt::kRowIndexEntrySize;
    return fmt::kBlockHeaderSize + rowBytes <= t.blockSize;
}

}  // namespace

CatalogProblem findCatalogProblem(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        return problem(Kind::Missing, QStringLiteral("%1 does not exist.").arg(shown));
    }
    if (info.isDir()) {
        return problem(Kind::NotAFile,
                       QStringLiteral("%1 is a folder, not a catalogue.").arg(shown));
    }
    if (!info.isFile()) {
        return problem(Kind::NotAFile, QStringLiteral("%1 is not a file.").arg(shown));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString why = file.error() == QFileDevice::PermissionsError
                                ? QStringLiteral("permission denied")
                                : file.errorString();
        return problem(Kind::NotReadable, QStringLiteral("%1 cannot be read: %2.").arg(shown, why));
    }
    const qint64 size = file.size();
    if (size == 0) {
        return problem(Kind::Empty, QStringLiteral("%1 is empty.").arg(shown));
    }

    const QByteArray header = readAt(file, 0, fmt::kFileHeaderSize);
    if (header.size() < fmt::kFileHeaderSize) {
        return notACatalogue(shown);
    }
    const qint64 count = u24At(header, 0);
    const qint64 stride = u24At(header, 3);
    const qint64 directoryEnd = fmt::kFileHeaderSize + count * stride;
    // Every block lies at a u24 offset after the directory, so a directory that ends beyond
    // that leaves no room for a single table.
    if (count == 0 || stride < fmt::kEntrySize || directoryEnd > fmt::kMaxU24 + 1) {
        return notACatalogue(shown);
    }

    const QByteArray directory = readAt(file, 0, std::min(directoryEnd, size));
    std::vector<TableEntry> tables;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 start = fmt::kFileHeaderSize + i * stride;
        if (start + fmt::kEntrySize > directory.size()) {
            return tables.empty() && i > 0 ? notACatalogue(shown) : cutShort(shown, size);
        }
        TableEntry t;
        t.kind = static_cast<int>(u24At(directory, start + fmt::kEntryKindOffset));
        if (t.kind < fmt::kDictionary || t.kind > fmt::kDictionaryLevel) {
            continue;  // other kinds are skipped by the reader
        }
        const char* name = directory.constData() + start + fmt::kEntryNameOffset;
        t.name = QByteArray(name, static_cast<qsizetype>(qstrnlen(name, fmt::kNameFieldSize - 1)));
        if (!plausibleName(t.name)) {
            return notACatalogue(shown);
        }
        t.block = u24At(directory, start + fmt::kEntryBlockOffset);
        t.blockSize = u24At(directory, start + fmt::kEntryBlockSize);
        tables.push_back(std::move(t));
    }
    if (tables.empty()) {
        return notACatalogue(shown);
    }
    for (const TableEntry& t : tables) {
        if (t.block + t.blockSize > size) {
            return cutShort(shown, size);
        }
    }
    for (const TableEntry& t : tables) {
        if (t.block < directoryEnd || !rowsFit(file, t)) {
            CatalogProblem p = problem(
                Kind::Damaged, QStringLiteral("%1 is damaged: its table \"%2\" does not fit "
                                              "in its place in the file.")
                                   .arg(shown, QString::fromLatin1(t.name)));
            p.table = t.name;
            return p;
        }
    }
    return CatalogProblem();
}

}  // namespace corkwise
