#pragma once
// Text with letter case and accents ignored: the one form in which the name search matches
// words and in which the catalogue's lists and the name search's results are ordered.
//
// The folded form of a text is lower-case ASCII: a letter or digit keeps its base letter with
// its accents dropped, a ligature or a letter that does not decompose is spelled out (Œ "oe",
// Æ "ae", ß "ss", Þ "th", Ø "o"), a compatibility form becomes its plain letters or digits
// (ª "a", ² "2", ¾ "3 4"), and a letter with no such form becomes kOtherLetter. Every run of
// other characters (spaces, punctuation, symbols) becomes one space; a combining accent belongs
// to the letter before it and leaves nothing.
//
// Alphabetical order compares folded forms, texts whose folded forms are equal in byte order.
// So names compare word by word: "Œuf" sorts after "Odet" and before "Ofu", "St. Francis"
// before "St Hallett", "Saint-Émilion" before "Saint Julien"; and a text that begins with
// punctuation, such as the placeholder "-Not Available-", before every letter and digit.

#include <QChar>
#include <QStringView>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corkwise {

// Stands for a letter without a plain ASCII form (Greek, Cyrillic, µ ...): it sorts after every
// ASCII letter and matches only itself.
inline constexpr char kOtherLetter = '\x7f';

// Appends the folded form of C to OUT, as the character after OUT: a separator is added only
// when OUT does not end in one.
void appendFolded(QChar c, std::string& out);

// TEXT folded.
std::string foldText(QStringView text);

// The folded form of every Windows-1252 byte, worked out once from its character, so that the
// catalogue's texts fold without being decoded first.
class Windows1252Folding {
public:
    // The longest form of one byte ("ss", "th", "3 4" for ¾).
    static constexpr int kMaxForm = 3;

    // The one table, made on first use; safe to call from any thread.
    static const Windows1252Folding& instance();

    // The folded form of byte B: a single space for a separator.
    std::string_view form(unsigned char b) const {
        return {forms_[b].data(), static_cast<size_t>(lengths_[b])};
    }
    // The first character of the form of B (' ' for a separator).
    char first(unsigned char b) const { return forms_[b][0]; }
    bool isSeparator(unsigned char b) const { return forms_[b][0] == ' '; }

    // Folds LENGTH bytes of TEXT into OUT, which is cleared first.
    void fold(const unsigned char* text, size_t length, std::string& out) const;

private:
    Windows1252Folding();

    std::array<std::array<char, kMaxForm>, 256> forms_{};
    std::array<std::uint8_t, 256> lengths_{};
};

// TEXT (Windows-1252) folded.
std::string foldWindows1252(std::string_view text);

// Whether a text comes before another in alphabetical order, given each text's folded form and
// its bytes as stored.
inline bool alphabeticallyBefore(std::string_view foldedA, std::string_view a,
                                 std::string_view foldedB, std::string_view b) {
    const int c = foldedA.compare(foldedB);
    return c != 0 ? c < 0 : a < b;
}

}  // namespace corkwise
