#include "personal/PersonalEntry.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(PersonalEntryTest, NamesAndTextsAreCutAtTheirLimits) {
    PersonalEntry entry;
    entry.setName(QString(40, u'n'));
    entry.setText(QString(600, u't'));
    EXPECT_EQ(entry.name(), QString(31, u'n'));
    EXPECT_EQ(entry.text(), QString(511, u't'));

    entry.setValues({DictValue(1, 2, QByteArray(700, 'v'))});
    EXPECT_EQ(entry.values()[0].text(), QByteArray(511, 'v'));

    const PersonalEntry raw(EntryKind::Bookmark, QByteArray(50, 'a'), QByteArray(900, 'b'), {});
    EXPECT_EQ(raw.rawName().size(), 31);
    EXPECT_EQ(raw.rawText().size(), 511);
}

TEST(PersonalEntryTest, CharactersOutsideWindows1252BecomeOneQuestionMarkEach) {
    PersonalEntry entry;
    // Euro and e acute exist in Windows-1252; Greek omega and the emoji (a surrogate pair) do
    // not.
    entry.setText(QStringLiteral("\u20ac \u00e9 \u03a9 \U0001F377!"));
    EXPECT_EQ(entry.rawText(), QByteArray("\x80 \xe9 ? ?!"));
    EXPECT_EQ(entry.text(), QStringLiteral("\u20ac \u00e9 ? ?!"));
}

TEST(PersonalEntryTest, CutNeverSplitsASurrogatePair) {
    PersonalEntry entry;
    // 30 letters and a glass of wine: 31 characters, 32 UTF-16 units.
    entry.setName(QString(30, u'a') + QStringLiteral("\U0001F377") + QStringLiteral("bc"));
    EXPECT_EQ(entry.rawName(), QByteArray(30, 'a') + '?');
}

TEST(PersonalEntryTest, EmbeddedNulEndsTheText) {
    PersonalEntry entry;
    entry.setText(QStringLiteral("before") + QChar(u'\0') + QStringLiteral("after"));
    EXPECT_EQ(entry.text(), QStringLiteral("before"));
    entry.setRawName(QByteArray("ab\0cd", 5));
    EXPECT_EQ(entry.rawName(), QByteArray("ab"));
}

}  // namespace
}  // namespace corkwise
