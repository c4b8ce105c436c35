#include "personal/PersonalFile.h"

#include "personal/PersonalFormat.h"
#include "personal/PersonalWalk.h"
#include "testsupport/FailDevice.h"
#include "testsupport/PersonalSamples.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::putU32At;
using test::u32At;

// Where the record of entry I starts, as the file's table says.
qsizetype recordStart(const QByteArray& file, int i) {
    return u32At(file, 4 + 4 * i);
}

TEST(PersonalFileTest, ExampleBookmarkHasExactBytes) {
    const QByteArray file = PersonalFile::serialise({test::bookmark("abc", {{5, 2, "Red"}})});
    QByteArray expected;
    expected += QByteArray::fromHex(
        "00000001"
        "00000008");
    expected += QByteArray("abc") + QByteArray(29, '\0');
    expected += QByteArray::fromHex(
        "00000001"
        "0000003c"
        "00000001"
        "00000008");
    expected += QByteArray::fromHex(
                    "00000005"
                    "00000002") +
                QByteArray("Red", 4);
    expected += QByteArray(1, '\0');
    ASSERT_EQ(expected.size(), 69);
    EXPECT_EQ(file.toHex(), expected.toHex());

    const PersonalFileContents contents = PersonalFile::parse(file);
    EXPECT_FALSE(contents.damaged);
    ASSERT_EQ(contents.entries.size(), 1u);
    EXPECT_EQ(contents.entries[0], test::bookmark("abc", {{5, 2, "Red"}}));
}

TEST(PersonalFileTest, RecordWithoutValuesHasTextRightAfterValueCount) {
    const QByteArray record = PersonalFile::serialiseRecord(test::bookmark("n", {}, "hi"));
    EXPECT_EQ(u32At(record, 36), 44u);
    EXPECT_EQ(u32At(record, 40), 0u);
    EXPECT_EQ(record.mid(44), QByteArray("hi", 3));
}

TEST(PersonalFileTest, ValueOffsetsCountFromValueCountField) {
    // Hand-made record whose value lies further back than the writer would put it: only a
    // reader that adds the offset to 40 (not to 0) finds id 9, dictionary 3, "Oak".
    QByteArray record(80, '\0');
    record.replace(0, 1, "r");
    putU32At(record, 32, 0);
    putU32At(record, 36, 79);  // text: the last byte, a NUL
    putU32At(record, 40, 1);
    putU32At(record, 44, 20);  // value at 40 + 20 = 60
    putU32At(record, 60, 9);
    putU32At(record, 64, 3);
    record.replace(68, 4, QByteArray("Oak", 4));
    bool damaged = false;
    const std::optional<PersonalEntry> entry =
        PersonalFile::parseRecord(record.constData(), record.size(), &damaged);
    ASSERT_TRUE(entry);
    EXPECT_FALSE(damaged);
    ASSERT_EQ(entry->values().size(), 1u);
    EXPECT_EQ(entry->values()[0], DictValue(9, 3, "Oak"));
    EXPECT_EQ(entry->rawText(), QByteArray(""));
}

TEST(PersonalFileTest, NegativeIdsStoredAsAllOnesAndNameTailIsZeros) {
    const QByteArray record = PersonalFile::serialiseRecord(test::note("x"));
    EXPECT_EQ(record.mid(1, 31), QByteArray(31, '\0'));
    // The first of the ten values lies right after the value table, at 44 + 4 * 10.
    EXPECT_EQ(record.mid(84, 8).toHex(), QByteArray("ffffffff00000000"));
}

TEST(PersonalFileTest, FullNoteLongerThanLegacyBufferRoundTripsWhole) {
    const PersonalEntry full = test::fullNote();
    const QByteArray record = PersonalFile::serialiseRecord(full);
    EXPECT_GT(record.size(), personal_format::kLegacyRecordBufferSize);
    const PersonalFileContents contents = PersonalFile::parse(PersonalFile::serialise({full}));
    EXPECT_FALSE(contents.damaged);
    ASSERT_EQ(contents.entries.size(), 1u);
    EXPECT_EQ(contents.entries[0], full);
    EXPECT_EQ(contents.entries[0].rawName().size(), 31);
    EXPECT_EQ(contents.entries[0].rawText().size(), 511);
}

TEST(PersonalFileTest, EntriesWrittenInStoreOrderBackToBack) {
    const std::vector<PersonalEntry> entries = test::sampleEntries();
    const QByteArray file = PersonalFile::serialise(entries);
    ASSERT_EQ(u32At(file, 0), 3u);
    qsizetype expected = 4 + 4 * 3;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(recordStart(file, i), expected);
        expected += PersonalFile::serialiseRecord(entries[static_cast<size_t>(i)]).size();
    }
    EXPECT_EQ(expected, file.size());
    const PersonalFileContents contents = PersonalFile::parse(file);
    EXPECT_FALSE(contents.damaged);
    EXPECT_EQ(contents.entries, entries);
}

TEST(PersonalFileTest, FourZeroBytesAreAnEmptyIntactFile) {
    const PersonalFileContents contents = PersonalFile::parse(QByteArray(4, '\0'));
    EXPECT_TRUE(contents.entries.empty());
    EXPECT_FALSE(contents.damaged);
    EXPECT_EQ(PersonalFile::serialise({}), QByteArray(4, '\0'));
}

TEST(PersonalFileTest, TruncatedAtEveryPrefixKeepsEveryWholeRecord) {
    const std::vector<PersonalEntry> entries = test::sampleEntries();
    const QByteArray file = PersonalFile::serialise(entries);
    for (qsizetype size = 0; size < file.size(); ++size) {
        SCOPED_TRACE(size);
        const PersonalFileContents contents = PersonalFile::parse(file.left(size));
        EXPECT_TRUE(contents.damaged);
        QString failure;
        EXPECT_TRUE(walkPersonalFile(file.left(size), &failure)) << failure.toStdString();
        // Records that lie wholly inside the prefix come back unchanged and in order; the
        // record the cut falls into may come back with its text cut short.
        size_t whole = 0;
        while (whole + 1 < entries.size() &&
               recordStart(file, static_cast<int>(whole) + 1) <= size) {
            ++whole;
        }
        if (size < 16) {
            whole = 0;  // the table itself is cut: no record is listed whole
        }
        ASSERT_GE(contents.entries.size(), whole);
        for (size_t i = 0; i < whole; ++i) {
            EXPECT_EQ(contents.entries[i], entries[i]);
        }
        EXPECT_LE(contents.entries.size(), entries.size());
    }
}

TEST(PersonalFileTest, TruncatedLastRecordKeepsItsHeadAndFlagsDamage) {
    const std::vector<PersonalEntry> entries = {test::bookmark("a", {}, "complete"),
                                                test::bookmark("b", {}, "cut here")};
    const QByteArray file = PersonalFile::serialise(entries);
    const PersonalFileContents contents = PersonalFile::parse(file.left(file.size() - 5));
    EXPECT_TRUE(contents.damaged);
    ASSERT_EQ(contents.entries.size(), 2u);
    EXPECT_EQ(contents.entries[0], entries[0]);
    EXPECT_EQ(contents.entries[1].rawText(), QByteArray("cut "));
}

class DamagedFileTest : public ::testing::Test {
protected:
    // The sample file with entry 1's record damaged by EDIT (offsets relative to its start).
    template <typename Edit>
    PersonalFileContents parseWithSecondRecord(Edit edit) {
        QByteArray file = PersonalFile::serialise(entries_);
        edit(file, recordStart(file, 1));
        return PersonalFile::parse(file);
    }
    // Entries 0 and 2 survive, entry 1 is gone.
    void expectOthersIntact(const PersonalFileContents& contents) {
        EXPECT_TRUE(contents.damaged);
        ASSERT_EQ(contents.entries.size(), 2u);
        EXPECT_EQ(contents.entries[0], entries_[0]);
        EXPECT_EQ(contents.entries[1], entries_[2]);
    }

    std::vector<PersonalEntry> entries_ = test::sampleEntries();
};

TEST_F(DamagedFileTest, ValueCountThatCannotFitSkipsRecord) {
    expectOthersIntact(parseWithSecondRecord(
        [](QByteArray& f, qsizetype r) { putU32At(f, r + 40, 0xFFFFFFFFu); }));
    expectOthersIntact(parseWithSecondRecord(
        [](QByteArray& f, qsizetype r) { putU32At(f, r + 40, 0x40000000u); }));
}

TEST_F(DamagedFileTest, ValueOffsetOutsideRecordSkipsRecord) {
    expectOthersIntact(parseWithSecondRecord(
        [](QByteArray& f, qsizetype r) { putU32At(f, r + 44 + 4 * 9, 0xFFFFFFF0u); }));
}

TEST_F(DamagedFileTest, TextOffsetOutsideRecordSkipsRecord) {
    expectOthersIntact(parseWithSecondRecord(
        [](QByteArray& f, qsizetype r) { putU32At(f, r + 36, 0x7FFFFFFFu); }));
}

TEST_F(DamagedFileTest, RecordOffsetsOutsideFileOrTableSkipRecord) {
    // Start beyond the file.
    QByteArray file = PersonalFile::serialise(entries_);
    putU32At(file, 4, 0xFFFFFF00u);
    PersonalFileContents contents = PersonalFile::parse(file);
    EXPECT_TRUE(contents.damaged);
    ASSERT_EQ(contents.entries.size(), 2u);
    EXPECT_EQ(contents.entries[0], entries_[1]);
    // Start inside the offset table.
    file = PersonalFile::serialise(entries_);
    putU32At(file, 8, 2);
    contents = PersonalFile::parse(file);
    EXPECT_TRUE(contents.damaged);
    ASSERT_EQ(contents.entries.size(), 2u);
    EXPECT_EQ(contents.entries[0], entries_[0]);
    EXPECT_EQ(contents.entries[1], entries_[2]);
}

TEST_F(DamagedFileTest, CountLargerThanFileReadsOnlyListedRecords) {
    QByteArray file = PersonalFile::serialise(entries_);
    putU32At(file, 0, 0xFFFFFFFFu);
    const PersonalFileContents contents = PersonalFile::parse(file);
    EXPECT_TRUE(contents.damaged);
    EXPECT_LE(contents.entries.size(), entries_.size());
}

TEST_F(DamagedFileTest, NameWithoutTerminatorIsCutToLimit) {
    const PersonalFileContents contents = parseWithSecondRecord(
        [](QByteArray& f, qsizetype r) { f.replace(r, 32, QByteArray(32, 'Z')); });
    EXPECT_TRUE(contents.damaged);
    ASSERT_EQ(contents.entries.size(), 3u);
    EXPECT_EQ(contents.entries[1].rawName(), QByteArray(31, 'Z'));
    EXPECT_EQ(contents.entries[1].rawText(), entries_[1].rawText());
}

TEST(PersonalFileTest, WriteToFailingDeviceReportsError) {
    test::FailDevice device(10);
    QString error;
    EXPECT_FALSE(PersonalFile::write(&device, test::sampleEntries(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(device.written().size(), 10);

    test::FailDevice roomy(1 << 20);
    EXPECT_TRUE(PersonalFile::write(&roomy, test::sampleEntries(), &error));
    EXPECT_EQ(roomy.written(), PersonalFile::serialise(test::sampleEntries()));
}

}  // namespace
}  // namespace corkwise
