// The rating sentence of a chart row: the score bands at their edges, scores read as whole
// numbers, and the codes in any letter case.

#include "screens/VintageRating.h"

#include <gtest/gtest.h>
#include <QList>

namespace corkwise::test {
namespace {

const char* const kPoor = "This is a poor vintage! ";
const char* const kBelow = "This vintage is below average. ";
const char* const kFair = "This is a fair vintage. ";
const char* const kVeryGood = "This is a very good vintage! ";
const char* const kExcellent = "This is an excellent vintage! ";
const char* const kExceptional = "This is an exceptional vintage! ";

TEST(VintageRatingTest, ScoreBandsAndCodes) {
    struct Case {
        const char* score;
        const char* code;
        QString expected;
    };
    const QString hold = QStringLiteral("Hold it to improve.");
    const QString drink = QStringLiteral("Drink it now or hold it to improve quality.");
    const QList<Case> cases{
        // Band edges.
        {"74", "H", kPoor + hold},
        {"75", "H", kBelow + hold},
        {"79", "D", kBelow + drink},
        {"80", "D", kFair + drink},
        {"84", "W", kFair + QStringLiteral("Warning, may be too old.")},
        {"85", "A", kVeryGood + QStringLiteral("Avoid it!")},
        {"89", "NV", kVeryGood + QStringLiteral("Non-vintage.")},
        {"90", "H", kExcellent + hold},
        {"95", "H", kExcellent + hold},
        {"96", "H", kExceptional + hold},
        // Whole numbers, not texts: 100 is exceptional, 9 and 0 are poor.
        {"100", "H", kExceptional + hold},
        {"9", "H", kPoor + hold},
        {"0", "", QString::fromLatin1(kPoor)},
        {" 88 ", "D", kVeryGood + drink},
        // Codes ignore letter case; an empty or unknown code adds nothing after the space.
        {"86", "h", kVeryGood + hold},
        {"86", "nv", kVeryGood + QStringLiteral("Non-vintage.")},
        {"86", "Nv", kVeryGood + QStringLiteral("Non-vintage.")},
        {"86", "", QString::fromLatin1(kVeryGood)},
        {"86", "X", QString::fromLatin1(kVeryGood)},
        {"86", "HD", QString::fromLatin1(kVeryGood)},
        // A score that is not a whole number: only the code sentence.
        {"abc", "H", hold},
        {"92.5", "D", drink},
        {"92+", "D", drink},
        {"", "A", QStringLiteral("Avoid it!")},
        {"-Not Available-", "", QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vintageRatingText(QString::fromLatin1(c.score), QString::fromLatin1(c.code)),
                  c.expected)
            << "score '" << c.score << "' code '" << c.code << "'";
    }
}

}  // namespace
}  // namespace corkwise::test
