#pragma once
// A reader of RFC 4180 CSV text held in memory: comma-separated cells, double-quoted cells that
// may hold commas, quotes (written twice) and line breaks, lines ending in LF or CRLF.

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace corkwise::tool {

class CsvReader {
public:
    // Reads DATA, which must outlive the reader. A UTF-8 byte-order mark at the start is
    // skipped. FILENAME only labels error messages.
    CsvReader(const QByteArray& data, QString fileName);

    // Reads the next row into CELLS (raw bytes, quotes removed). Returns false at the end of the
    // data or on malformed text; error() then tells which. A row that is one empty line gives
    // one empty cell.
    bool readRow(std::vector<std::string>& cells);

    // Line number (from 1) on which the row last read began.
    int rowLine() const { return rowLine_; }
    // Bytes consumed so far, for progress displays.
    qsizetype position() const { return pos_; }
    // Empty unless readRow stopped on malformed text: "FILE:LINE: what is wrong".
    const QString& error() const { return error_; }

private:
    bool fail(int line, const QString& what);

    const QByteArray& data_;
    QString fileName_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int rowLine_ = 0;
    QString error_;
};

}  // namespace corkwise::tool
