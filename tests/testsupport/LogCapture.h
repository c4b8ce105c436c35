#pragma once
// Points the diagnostic log at a temporary directory for the life of the object and starts a new
// log, so a test can read back exactly the trace lines it caused.

#include "testsupport/TempDir.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace corkwise::test {

class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The whole log file as written so far.
    QByteArray bytes() const;
    // The lines, split at CR LF, without the line ends.
    QList<QByteArray> lines() const;
    // Forgets the lines so far: the log is closed and removed, and the next line starts it anew.
    void clear();

private:
    TempDir dir_;
    QString previousDirectory_;
    bool previousEnabled_;
};

}  // namespace corkwise::test
