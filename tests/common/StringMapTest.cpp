#include "common/StringMap.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(StringMapTest, SetReplacesExistingKeyInPlaceAndAppendsNewOnes) {
    StringMap map;
    map.set(QStringLiteral("ORIGIN"), QStringLiteral("France"));
    map.set(QStringLiteral("TYPE"), QStringLiteral("Red"));
    map.set(QStringLiteral("ORIGIN"), QStringLiteral("Italy"));
    ASSERT_EQ(map.count(), 2);
    EXPECT_EQ(map.key(0), QStringLiteral("ORIGIN"));
    EXPECT_EQ(map.value(0), QStringLiteral("Italy"));
    EXPECT_EQ(map.key(1), QStringLiteral("TYPE"));
    EXPECT_EQ(map.get(QStringLiteral("TYPE")), QStringLiteral("Red"));
}

TEST(StringMapTest, KeysCompareExactlyAndCaseSensitively) {
    StringMap map;
    map.set(QStringLiteral("Region"), QStringLiteral("a"));
    EXPECT_FALSE(map.get(QStringLiteral("REGION")).has_value());
    EXPECT_FALSE(map.get(QStringLiteral("Regio")).has_value());
    EXPECT_FALSE(map.get(QStringLiteral("Region ")).has_value());
    map.set(QStringLiteral("REGION"), QStringLiteral("b"));
    EXPECT_EQ(map.count(), 2);
}

TEST(StringMapTest, EmptyValueIsPresentUnlikeMissingKey) {
    StringMap map;
    map.set(QStringLiteral("SCORE"), QString());
    ASSERT_TRUE(map.get(QStringLiteral("SCORE")).has_value());
    EXPECT_TRUE(map.get(QStringLiteral("SCORE"))->isEmpty());
    EXPECT_FALSE(map.get(QStringLiteral("VINTAGE")).has_value());
}

TEST(StringMapTest, RemoveKeepsOrderOfTheRest) {
    StringMap map;
    for (const char* key : {"A", "B", "C"}) {
        map.set(QString::fromLatin1(key), QString::fromLatin1(key).toLower());
    }
    EXPECT_TRUE(map.remove(QStringLiteral("B")));
    EXPECT_FALSE(map.remove(QStringLiteral("B")));
    ASSERT_EQ(map.count(), 2);
    EXPECT_EQ(map.key(1), QStringLiteral("C"));
    EXPECT_EQ(map.key(2), QString());
    EXPECT_EQ(map.key(-1), QString());
    map.clear();
    EXPECT_TRUE(map.isEmpty());
}

}  // namespace
}  // namespace corkwise
