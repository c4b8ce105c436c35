#include "catalogtool/CsvReader.h"

#include <utility>

namespace corkwise::tool {

CsvReader::CsvReader(const QByteArray& data, QString fileName)
    : data_(data), fileName_(std::move(fileName)) {
    if (data_.startsWith("\xEF\xBB\xBF")) {
        pos_ = 3;
    }
}

bool CsvReader::fail(int line, const QString& what) {
    error_ = QStringLiteral("%1:%2: %3").arg(fileName_).arg(line).arg(what);
    pos_ = data_.size();
    return false;
}

bool CsvReader::readRow(std::vector<std::string>& cells) {
    const qsizetype size = data_.size();
    const char* bytes = data_.constData();
    if (pos_ >= size) {
        return false;
    }
    // Cells are reused from row to row so that their buffers are allocated only once.
    size_t count = 0;
    const auto nextCell = [&]() -> std::string& {
        if (count == cells.size()) {
            cells.emplace_back();
        }
        std::string& cell = cells[count++];
        cell.clear();
        return cell;
    };
    rowLine_ = line_;
    for (;;) {
        std::string& cell = nextCell();
        if (bytes[pos_] == '"') {
            const int openLine = line_;
            ++pos_;
            for (;;) {
                if (pos_ >= size) {
                    return fail(openLine, QStringLiteral("a quoted cell is never closed"));
                }
                const char c = bytes[pos_];
                if (c == '"') {
                    if (pos_ + 1 < size && bytes[pos_ + 1] == '"') {
                        cell.push_back('"');
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                if (c == '\n') {
                    ++line_;
                }
                cell.push_back(c);
                ++pos_;
            }
            if (pos_ < size && bytes[pos_] != ',' && bytes[pos_] != '\n' &&
                !(bytes[pos_] == '\r' && pos_ + 1 < size && bytes[pos_ + 1] == '\n') &&
                bytes[pos_] != '\r') {
                return fail(line_, QStringLiteral("text follows the closing quote of a cell in "
                                                  "column %1")
                                       .arg(count));
            }
        } else {
            const qsizetype start = pos_;
            while (pos_ < size && bytes[pos_] != ',' && bytes[pos_] != '\n' &&
                   bytes[pos_] != '\r') {
                if (bytes[pos_] == '"') {
                    return fail(line_, QStringLiteral("a quote inside an unquoted cell in column "
                                                      "%1 (enclose the cell in quotes and double "
                                                      "the quote)")
                                           .arg(count));
                }
                ++pos_;
            }
            cell.assign(bytes + start, static_cast<size_t>(pos_ - start));
        }
        if (pos_ >= size) {
            cells.resize(count);
            return true;
        }
        const char c = bytes[pos_];
        if (c == ',') {
            ++pos_;
            if (pos_ >= size) {
                nextCell();
                cells.resize(count);
                return true;
            }
            continue;
        }
        // End of the row: LF, CRLF, or a lone CR (old spreadsheets).
        if (c == '\r') {
            ++pos_;
            if (pos_ < size && bytes[pos_] == '\n') {
                ++pos_;
            }
        } else {
            ++pos_;
        }
        ++line_;
        cells.resize(count);
        return true;
    }
}

}  // namespace corkwise::tool
