#pragma once
// Record cursors for the grid tests, and a count of how many were destroyed.
//
// A cursor made by makeCursor(i) names no table; its row() is I, which tells the tests which
// row a cursor came from. Every record cursor writes a destructor line to the diagnostic log,
// so a CursorLog, which points the log at a temporary directory, counts destroyed cursors.

#include "catalog/RecordCursor.h"
#include "common/ErrorLog.h"
#include "testsupport/TempDir.h"

#include <QFile>
#include <memory>

namespace corkwise::test {

inline std::unique_ptr<RecordCursor> makeCursor(int row) {
    return std::make_unique<RecordCursor>(nullptr, nullptr, row);
}

class CursorLog {
public:
    CursorLog() : oldDirectory_(ErrorLog::directory()), oldEnabled_(ErrorLog::isEnabled()) {
        ErrorLog::setEnabled(true);
        ErrorLog::setDirectory(dir_.path(QString()));
        ErrorLog::restart();
    }
    ~CursorLog() {
        ErrorLog::restart();
        ErrorLog::setDirectory(oldDirectory_);
        ErrorLog::setEnabled(oldEnabled_);
    }
    CursorLog(const CursorLog&) = delete;
    CursorLog& operator=(const CursorLog&) = delete;

    // Record cursors destroyed since the log was made.
    int destroyedCursors() const {
        QFile file(ErrorLog::filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return 0;
        }
        const QByteArray log = file.readAll();
        return static_cast<int>(log.count(" FINISH CALL TABLE ROW DATA DESTRUCTOR "));
    }

private:
    TempDir dir_;
    QString oldDirectory_;
    bool oldEnabled_;
};

}  // namespace corkwise::test
