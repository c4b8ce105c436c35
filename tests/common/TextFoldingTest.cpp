#include "common/TextFolding.h"

#include "common/TextCodec.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(TextFoldingTest, FoldsCaseAccentsLigaturesAndPunctuation) {
    const struct {
        const char* text;  // UTF-8
        std::string folded;
    } cases[] = {
        {"Œuf", "oeuf"},
        {"œil", "oeil"},
        {"Æble", "aeble"},
        {"Straße", "strasse"},
        {"Ørsted", "orsted"},
        {"Þór", "thor"},
        {"ÉCLAT À ÇA", "eclat a ca"},
        {"Château d'Yquem 1999", "chateau d yquem 1999"},
        {"-Not Available-", " not available "},  // a leading run of punctuation is kept
        {"St.  --Francis", "st francis"},
        {"e\u0301clair", "eclair"},           // a combining accent after its letter
        {"ª ² ¾", "a 2 3 4"},                 // compatibility forms
        {"Brand™ «X»", "brand x "},           // symbols are punctuation
        {"µ", std::string(1, kOtherLetter)},  // a letter without an ASCII form
        {"Łódź", "lodz"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(foldText(text), c.folded) << c.text;
        // The catalogue's bytes fold the same way wherever Windows-1252 holds the text.
        if (isWindows1252(text) && !text.contains(QChar(0x0301))) {
            EXPECT_EQ(foldWindows1252(toWindows1252(text).toStdString()), c.folded) << c.text;
        }
    }
}

TEST(TextFoldingTest, EveryWindows1252ByteFoldsAsItsCharacter) {
    const Windows1252Folding& folding = Windows1252Folding::instance();
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const std::string folded = foldText(fromWindows1252(&byte, 1));
        EXPECT_EQ(std::string(folding.form(static_cast<unsigned char>(b))), folded) << b;
        EXPECT_EQ(folding.isSeparator(static_cast<unsigned char>(b)), folded == " ") << b;
    }
    // All of them in one text, forwards and backwards: longer forms among short ones.
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    for (const std::string& text : {all, std::string(all.rbegin(), all.rend())}) {
        EXPECT_EQ(foldWindows1252(text), foldText(fromWindows1252(text.data(), 256)));
    }
}

TEST(TextFoldingTest, AlphabeticalOrderIsWordByWordWithBytesBreakingTies) {
    const struct {
        const char* before;  // UTF-8
        const char* after;
    } cases[] = {
        // Ligatures and accented capitals: NameSearchTest's catalogue lists them in order.
        {"eclat", "Éclat"},  // equal folded: byte order
        {"St. Francis", "St Hallett"},
        {"Saint-Émilion", "Saint Julien"},
        {"Medium-bodied", "Medium- to full-bodied"},
        {"-Not Available-", "9 Lives"},
        {"9 Lives", "Aebi"},
        {"Zinfandel", "µ"},
    };
    for (const auto& c : cases) {
        const std::string a = toWindows1252(QString::fromUtf8(c.before)).toStdString();
        const std::string b = toWindows1252(QString::fromUtf8(c.after)).toStdString();
        const std::string foldedA = foldWindows1252(a);
        const std::string foldedB = foldWindows1252(b);
        EXPECT_TRUE(alphabeticallyBefore(foldedA, a, foldedB, b)) << c.before << " < " << c.after;
        EXPECT_FALSE(alphabeticallyBefore(foldedB, b, foldedA, a)) << c.before << " < " << c.after;
    }
}

}  // namespace
}  // namespace corkwise
