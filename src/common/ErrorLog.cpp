#include "common/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace corkwise {

namespace {

struct LogState {
    QString directory;
    bool enabled = true;
    std::unique_ptr<QFile> file;  // null until the first trace line of a run
};

LogState& state() {
    static LogState s;
    return s;
}

// Opens the log at the first line of a run, emptying any earlier one. A failed open is kept as
// it is and not retried: the lines of this run are then lost without a word.
QFile& logFile() {
    LogState& s = state();
    if (!s.file) {
        s.file = std::make_unique<QFile>(ErrorLog::filePath());
        // Unbuffered: each line reaches the file at once, so a crash loses nothing before it.
        (void)s.file->open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered);
    }
    return *s.file;
}

void writeBytes(const char* data, qsizetype length) {
    if (!state().enabled) {
        return;
    }
    QFile& f = logFile();
    if (f.isOpen() && length > 0) {
        (void)f.write(data, length);
    }
}

const char kLineEnd[] = "\r\n";
const char kSeparator[] = " : ";

}  // namespace

void ErrorLog::setDirectory(const QString& directory) {
    LogState& s = state();
    s.file.reset();
    s.directory = directory;
}

QString ErrorLog::directory() {
    return state().directory;
}

QString ErrorLog::filePath() {
    const QString& dir = state().directory;
    if (dir.isEmpty()) {
        return QString::fromLatin1(kFileName);
    }
    return QDir(dir).filePath(QString::fromLatin1(kFileName));
}

void ErrorLog::setEnabled(bool enabled) {
    state().enabled = enabled;
}

bool ErrorLog::isEnabled() {
    return state().enabled;
}

void ErrorLog::restart() {
    state().file.reset();
}

QByteArray ErrorLog::composeLine(const QByteArray& text, const QByteArray& value) {
    // The line must fit kLineBufferSize bytes with a terminator; the line end is kept whole and
    // the text before it cut.
    constexpr qsizetype kMaxLine = kLineBufferSize - 1;
    constexpr qsizetype kEndLength = sizeof(kLineEnd) - 1;
    QByteArray line;
    line.reserve(kLineBufferSize);
    line.append(text).append(kSeparator).append(value);
    if (line.size() > kMaxLine - kEndLength) {
        line.truncate(kMaxLine - kEndLength);
    }
    line.append(kLineEnd);
    return line;
}

void logLine(const QByteArray& text) {
    // Two writes, as the log has always done: the text, then the line end.
    writeBytes(text.constData(), text.size());
    writeBytes(kLineEnd, 2);
}

void logPair(const QByteArray& text, const QByteArray& value) {
    if (!state().enabled) {
        return;
    }
    const QByteArray line = ErrorLog::composeLine(text, value);
    writeBytes(line.constData(), line.size());
}

void logNumber(const QByteArray& text, int value) {
    if (!state().enabled) {
        return;
    }
    const QByteArray line = ErrorLog::composeLine(text, QByteArray::number(value));
    writeBytes(line.constData(), line.size());
}

}  // namespace corkwise
