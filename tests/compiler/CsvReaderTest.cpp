#include "catalogtool/CsvReader.h"

#include <gtest/gtest.h>

namespace corkwise::tool {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Reads all rows of TEXT; ERROR gets the reader's error (empty when none).
Rows readAll(const QByteArray& text, QString* error = nullptr, std::vector<int>* lines = nullptr) {
    CsvReader reader(text, QStringLiteral("t.csv"));
    Rows rows;
    std::vector<std::string> cells;
    while (reader.readRow(cells)) {
        rows.push_back(cells);
        if (lines) {
            lines->push_back(reader.rowLine());
        }
    }
    if (error) {
        *error = reader.error();
    }
    return rows;
}

TEST(CsvReaderTest, QuotedCellsHoldCommasQuotesAndLineBreaks) {
    std::vector<int> lines;
    QString error;
    const Rows rows =
        readAll("a,\"b, c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x\nlast,", &error, &lines);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a", "b, c", "say \"hi\""}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"two\nlines", "x"}));
    // A trailing comma ends in an empty cell, also at the very end of the data.
    EXPECT_EQ(rows[2], (std::vector<std::string>{"last", ""}));
    // The row after a quoted line break starts on line 4.
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4}));
}

TEST(CsvReaderTest, ByteOrderMarkAndLineEndingsAreNotData) {
    const Rows rows = readAll("\xEF\xBB\xBFid,name\r\n1,a\r2,b\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "id");
    EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "a"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"2", "b"}));
}

TEST(CsvReaderTest, EmptyLineIsOneEmptyCell) {
    const Rows rows = readAll("a\n\nb\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{""}));
}

TEST(CsvReaderTest, MalformedTextNamesFileAndLine) {
    QString error;
    readAll("a,b\nc,d\"e\n", &error);
    EXPECT_TRUE(
        error.startsWith(QStringLiteral("t.csv:2: a quote inside an unquoted cell in column 2")))
        << error.toStdString();

    // An unclosed quote is reported on the line where the cell opened.
    readAll("a\nb,\"open\nmore\nstill\n", &error);
    EXPECT_EQ(error, QStringLiteral("t.csv:2: a quoted cell is never closed"));

    readAll("\"x\"y,z\n", &error);
    EXPECT_TRUE(error.startsWith(QStringLiteral("t.csv:1: text follows the closing quote")))
        << error.toStdString();
}

}  // namespace
}  // namespace corkwise::tool
