#include "notestool/NotesTool.h"

#include "personal/PersonalFile.h"
#include "personal/PersonalJson.h"
#include "personal/PersonalLock.h"

#include <QFile>

namespace corkwise {

namespace {

constexpr char kUsage[] =
    "usage: corkwise-notes list FILE\n"
    "       corkwise-notes export FILE\n"
    "       corkwise-notes import JSON -o FILE\n"
    "Texts are stored in Windows-1252; a character it cannot hold is stored as '?'.\n";

int usage(QTextStream& err) {
    err << kUsage;
    return 2;
}

// The entries of the personal file at PATH, or nothing (with the message written) when it
// cannot be opened. Damage is reported but what is intact is still given.
std::optional<std::vector<PersonalEntry>> readStore(const QString& path, QTextStream& err) {
    const std::optional<QByteArray> bytes = PersonalFile::readAll(path);
    if (!bytes) {
        err << "cannot open personal file: " << path << '\n';
        return std::nullopt;
    }
    PersonalFileContents contents = PersonalFile::parse(*bytes);
    for (const QString& problem : contents.problems) {
        err << "warning: " << path << ": " << problem << '\n';
    }
    return std::move(contents.entries);
}

// "note", "bookmark", or the number of a kind this version does not know.
QString kindName(EntryKind kind) {
    switch (kind) {
        case EntryKind::Note:
            return QStringLiteral("note");
        case EntryKind::Bookmark:
            return QStringLiteral("bookmark");
    }
    return QString::number(static_cast<int>(kind));
}

int list(const QString& path, QTextStream& out, QTextStream& err) {
    const auto entries = readStore(path, err);
    if (!entries) {
        return 1;
    }
    for (size_t i = 0; i < entries->size(); ++i) {
        const PersonalEntry& entry = (*entries)[i];
        // A tab or line break inside a name would split the line; show them as spaces.
        QString name = entry.name();
        name.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        out << i << '\t' << kindName(entry.kind()) << '\t' << name << '\t' << entry.values().size()
            << '\n';
    }
    return 0;
}

int exportJson(const QString& path, QTextStream& out, QTextStream& err) {
    const auto entries = readStore(path, err);
    if (!entries) {
        return 1;
    }
    out << QString::fromUtf8(PersonalJson::toJson(*entries));
    return 0;
}

int importJson(const QString& jsonPath, const QString& outputPath, QTextStream& err) {
    QFile input;
    const bool opened = jsonPath == QStringLiteral("-")
                            ? input.open(stdin, QIODevice::ReadOnly)
                            : (input.setFileName(jsonPath), input.open(QIODevice::ReadOnly));
    if (!opened) {
        err << "cannot open JSON file: " << jsonPath << '\n';
        return 1;
    }
    const QByteArray json = input.readAll();
    QString error;
    QStringList warnings;
    const auto entries = PersonalJson::fromJson(json, &error, &warnings);
    if (!entries) {
        err << jsonPath << ": " << error << '\n';
        return 1;
    }
    for (const QString& warning : warnings) {
        err << "warning: " << warning << '\n';
    }
    // The program keeps the file's entries in memory while it runs and would overwrite what is
    // written here at its next save.
    PersonalLock lock(outputPath);
    if (lock.tryLock(&error) != PersonalLock::Result::Locked) {
        err << "cannot write personal file: " << outputPath << ": " << error
            << " (close Corkwise first)\n";
        return 1;
    }
    if (!PersonalFile::writeAtomically(outputPath, *entries, &error)) {
        err << "cannot write personal file: " << outputPath << ": " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int runNotesTool(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const int exitCode = [&] {
        if (arguments.size() == 2 && arguments[0] == QStringLiteral("list")) {
            return list(arguments[1], out, err);
        }
        if (arguments.size() == 2 && arguments[0] == QStringLiteral("export")) {
            return exportJson(arguments[1], out, err);
        }
        if (arguments.size() == 4 && arguments[0] == QStringLiteral("import") &&
            arguments[2] == QStringLiteral("-o")) {
            return importJson(arguments[1], arguments[3], err);
        }
        return usage(err);
    }();
    out.flush();
    err.flush();
    return exitCode;
}

}  // namespace corkwise
