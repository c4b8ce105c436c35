#include "testsupport/LogCapture.h"

#include "common/ErrorLog.h"

#include <QFile>

namespace corkwise::test {

LogCapture::LogCapture()
    : previousDirectory_(ErrorLog::directory()), previousEnabled_(ErrorLog::isEnabled()) {
    ErrorLog::setDirectory(dir_.path(QString()));
    ErrorLog::setEnabled(true);
}

LogCapture::~LogCapture() {
    ErrorLog::setDirectory(previousDirectory_);
    ErrorLog::setEnabled(previousEnabled_);
}

QByteArray LogCapture::bytes() const {
    return dir_.read(QString::fromLatin1(ErrorLog::kFileName));
}

QList<QByteArray> LogCapture::lines() const {
    QList<QByteArray> result = bytes().split('\n');
    // The last line end leaves an empty piece behind it.
    if (!result.isEmpty() && result.last().isEmpty()) {
        result.removeLast();
    }
    for (QByteArray& line : result) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return result;
}

void LogCapture::clear() {
    ErrorLog::restart();
    QFile::remove(ErrorLog::filePath());
}

}  // namespace corkwise::test
