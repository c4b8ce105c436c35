#pragma once
// corkwise-notes: the user's notes and bookmarks from the command line.
//
//   corkwise-notes list FILE              one line per entry: index, kind, name, value count
//   corkwise-notes export FILE            the whole store as JSON on standard output
//   corkwise-notes import JSON -o FILE    a personal file from such JSON ("-" reads stdin)
//
// A kind other than note and bookmark is shown as its number. import takes the file's lock
// (PersonalLock) while it writes and fails while the program holds it.

#include <QStringList>
#include <QTextStream>

namespace corkwise {

// Runs the tool with ARGUMENTS (without the program name). Writes results to OUT and
// messages to ERR; returns the exit code: 0 on success, 1 on failure, 2 on bad usage.
int runNotesTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace corkwise
