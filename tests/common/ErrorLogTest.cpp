#include "common/ErrorLog.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>

namespace corkwise {
namespace {

using test::LogCapture;

TEST(ErrorLogTest, LinesEndInCarriageReturnLineFeedAndNumbersAreSigned) {
    LogCapture log;
    logLine("TRY TO INIT DBS OBJECTS");
    logLine("");
    logNumber("=========> DICT ID", -1);
    logNumber("=========> NODE ID", 2147483647);
    logPair("=========> DICTIONARY", "SCORE");
    EXPECT_EQ(log.bytes(), QByteArray("TRY TO INIT DBS OBJECTS\r\n"
                                      "\r\n"
                                      "=========> DICT ID : -1\r\n"
                                      "=========> NODE ID : 2147483647\r\n"
                                      "=========> DICTIONARY : SCORE\r\n"));
}

TEST(ErrorLogTest, EightBitTextIsWrittenByteForByte) {
    LogCapture log;
    logPair("==============> ADD ITEM IN LIST", QByteArray("C\xF4tes du Rh\xF4ne"));
    EXPECT_EQ(log.bytes(),
              QByteArray("==============> ADD ITEM IN LIST : C\xF4tes du Rh\xF4ne\r\n"));
}

TEST(ErrorLogTest, NewRunStartsAnEmptyLog) {
    LogCapture log;
    logLine("first run");
    ErrorLog::restart();
    EXPECT_EQ(log.bytes(), QByteArray("first run\r\n")) << "nothing is touched before a line";
    logLine("second run");
    EXPECT_EQ(log.bytes(), QByteArray("second run\r\n"));
}

TEST(ErrorLogTest, OverlongPairIsCutButKeepsItsLineEnd) {
    const QByteArray longText(400, 'x');
    const QByteArray line = ErrorLog::composeLine(longText, "value");
    EXPECT_EQ(line.size(), ErrorLog::kLineBufferSize - 1);
    EXPECT_TRUE(line.endsWith("\r\n"));
    EXPECT_EQ(line.left(297), longText.left(297));

    // Exactly filling the 299 characters keeps everything.
    const QByteArray fits(299 - 3 - 2 - 2, 'y');
    EXPECT_EQ(ErrorLog::composeLine(fits, "42"), fits + " : 42\r\n");
    EXPECT_EQ(ErrorLog::composeLine(fits + "z", "42").size(), 299);

    LogCapture log;
    logNumber(longText, -5);
    logLine("after");
    const QList<QByteArray> lines = log.lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 297);
    EXPECT_EQ(lines[1], "after");
}

TEST(ErrorLogTest, LogGoesIntoTheDirectorySetAtStartUp) {
    test::TempDir first;
    test::TempDir second;
    const QString before = ErrorLog::directory();
    ErrorLog::setDirectory(first.path(QString()));
    logLine("one");
    ErrorLog::setDirectory(second.path(QString()));
    logLine("two");
    ErrorLog::setDirectory(before);
    EXPECT_EQ(first.read("Error.log"), QByteArray("one\r\n"));
    EXPECT_EQ(second.read("Error.log"), QByteArray("two\r\n"));
    EXPECT_EQ(QDir(second.path(QString())).filePath("Error.log"), [&] {
        ErrorLog::setDirectory(second.path(QString()));
        const QString p = ErrorLog::filePath();
        ErrorLog::setDirectory(before);
        return p;
    }());
}

TEST(ErrorLogTest, UnwritableDirectoryIsSilentAndNotRetried) {
    test::TempDir dir;
    const QString before = ErrorLog::directory();
    ErrorLog::setDirectory(dir.path("missing/deeper"));
    logLine("lost");  // must neither crash nor create anything
    logNumber("lost", 1);
    EXPECT_FALSE(QDir(dir.path("missing")).exists());
    ErrorLog::setDirectory(before);
}

TEST(ErrorLogTest, DisabledLogWritesNothing) {
    LogCapture log;
    logLine("kept");
    ErrorLog::setEnabled(false);
    logLine("dropped");
    ErrorLog::setEnabled(true);
    EXPECT_EQ(log.bytes(), QByteArray("kept\r\n"));
}

}  // namespace
}  // namespace corkwise
