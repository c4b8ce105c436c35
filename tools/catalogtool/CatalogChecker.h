#pragma once
// Checks a catalogue file against the format and against what the screens read from it: every
// table's bounds, every node of the five search trees, every record reached from them, and the
// tables, dictionaries and columns the screens look up by name.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corkwise::tool {

struct CheckReport {
    QStringList problems;  // one line each, at most kMaxListedProblems of them
    qint64 problemCount = 0;
    int tables = 0;
    qint64 nodes = 0;
    qint64 records = 0;

    static constexpr int kMaxListedProblems = 1000;
    bool clean() const { return problemCount == 0; }
};

// Checks the catalogue held in BYTES. Never reads outside BYTES, whatever they hold.
CheckReport checkCatalogue(const QByteArray& bytes);

}  // namespace corkwise::tool
