#pragma once
// Reads a personal file the way the program does and checks what the reader promises: no
// text beyond its limit, a record of an unknown kind kept as read, and what was read saves and
// reads back (as a file and as JSON) unchanged. Shared by the fuzz target and the corruption
// tests.

#include <QByteArray>
#include <QString>

namespace corkwise {

// Returns false, with *FAILURE (when given) saying which promise broke.
bool walkPersonalFile(const QByteArray& bytes, QString* failure = nullptr);

}  // namespace corkwise
