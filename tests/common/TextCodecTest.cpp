#include "common/TextCodec.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(TextCodecTest, AccentedLatinRoundTrips) {
    const QString text = QStringLiteral("C\u00F4tes du Rh\u00F4ne");
    const QByteArray bytes = toWindows1252(text);
    EXPECT_EQ(bytes, QByteArray("C\xF4tes du Rh\xF4ne"));
    EXPECT_EQ(fromWindows1252(bytes), text);
}

TEST(TextCodecTest, HighBlockMapsToTypographicCharacters) {
    EXPECT_EQ(fromWindows1252(QByteArray("\x80\x85\x92\x96\x9C\x9F")),
              QStringLiteral("\u20AC\u2026\u2019\u2013\u0153\u0178"));
    EXPECT_EQ(toWindows1252(QStringLiteral("\u20AC \u0152uvre \u2122")),
              QByteArray("\x80 \x8Cuvre \x99"));
}

TEST(TextCodecTest, EveryByteDecodesToOneCharacterAndBack) {
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString decoded = fromWindows1252(all);
    EXPECT_EQ(decoded.size(), all.size());
    EXPECT_EQ(toWindows1252(decoded), all);
    EXPECT_TRUE(isWindows1252(decoded));
}

TEST(TextCodecTest, UnmappableCharactersBecomeOneQuestionMarkEach) {
    // A CJK character, an emoji (a surrogate pair: still one '?') and a Greek letter.
    EXPECT_EQ(toWindows1252(QStringLiteral("a\u4E2Db\U0001F377c\u03B1")), QByteArray("a?b?c?"));
    EXPECT_FALSE(isWindows1252(QStringLiteral("\u03B1")));
}

TEST(TextCodecTest, LengthAndTerminator) {
    const char text[] = "ab\0cd";
    EXPECT_EQ(fromWindows1252(text), QStringLiteral("ab"));
    EXPECT_EQ(fromWindows1252(text, 5), QString::fromLatin1("ab\0cd", 5));
    EXPECT_TRUE(fromWindows1252(nullptr, 0).isEmpty());
    EXPECT_TRUE(toWindows1252(QString()).isEmpty());
}

}  // namespace
}  // namespace corkwise
