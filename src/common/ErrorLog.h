#pragma once
// The diagnostic trace "Error.log": short 8-bit lines, each ended by carriage return and line
// feed, written synchronously while the program works. Nothing reads it back; no failure is ever
// reported. The first trace line of a run empties the file; until then it is not touched.

#include <QByteArray>
#include <QString>

namespace corkwise {

// Writes TEXT, then CR LF. An empty TEXT writes only the line end.
void logLine(const QByteArray& text);

// Writes TEXT, " : ", VALUE and CR LF as one write. The line is composed in a 300-byte buffer:
// whatever does not fit its 299 characters (line end included) is cut from the end of the text
// part, so the line always ends in CR LF. A null VALUE writes as empty. (Plain C strings
// convert: logPair("text", value).)
void logPair(const QByteArray& text, const QByteArray& value);

// Writes TEXT, " : ", VALUE in signed decimal and CR LF as one write, cut like logPair.
void logNumber(const QByteArray& text, int value);

// Where "Error.log" goes and when a new log starts. The program sets the directory once at
// start-up; until then the log goes into the current directory.
class ErrorLog {
public:
    // Size of the buffer in which logPair and logNumber compose their line.
    static constexpr int kLineBufferSize = 300;
    static constexpr char kFileName[] = "Error.log";

    // Makes DIRECTORY the home of "Error.log". When the log is open it is closed, and the next
    // trace line starts a new, empty log in DIRECTORY. An empty DIRECTORY means the current one.
    static void setDirectory(const QString& directory);
    static QString directory();
    // Full path of the log file.
    static QString filePath();

    // Turns all trace output off (or back on). Benchmarks and the fuzz target switch it off so
    // that they measure the reader rather than the disk; the program never does.
    static void setEnabled(bool enabled);
    static bool isEnabled();

    // Closes the log so that the next trace line starts a new, empty one, as at the start of a
    // run. Tests use it to play two runs in a row.
    static void restart();

    // Composes the line that logPair/logNumber write: TEXT " : " VALUE CR LF, cut to fit the
    // 300-byte buffer with its terminator. Exposed for tests.
    static QByteArray composeLine(const QByteArray& text, const QByteArray& value);
};

}  // namespace corkwise
