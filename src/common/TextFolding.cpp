#include "common/TextFolding.h"

#include "common/TextCodec.h"

#include <QString>

#include <algorithm>

namespace corkwise {

namespace {

// Letters that do not decompose into a base letter and an accent.
struct SpelledOut {
    char16_t letter;
    const char* form;
};
constexpr SpelledOut kSpelledOut[] = {
    {u'Æ', "ae"}, {u'æ', "ae"}, {u'Œ', "oe"}, {u'œ', "oe"}, {u'ß', "ss"}, {u'Ø', "o"},
    {u'ø', "o"},  {u'Ð', "d"},  {u'ð', "d"},  {u'Đ', "d"},  {u'đ', "d"},  {u'Þ', "th"},
    {u'þ', "th"}, {u'Ł', "l"},  {u'ł', "l"},  {u'ƒ', "f"},
};

void appendSeparator(std::string& out) {
    if (out.empty() || out.back() != ' ') {
        out += ' ';
    }
}

}  // namespace

void appendFolded(QChar c, std::string& out) {
    for (const SpelledOut& letter : kSpelledOut) {
        if (c.unicode() == letter.letter) {
            out += letter.form;
            return;
        }
    }
    if (c.unicode() < 0x80) {
        const char a = static_cast<char>(c.unicode());
        if ((a >= 'a' && a <= 'z') || (a >= '0' && a <= '9')) {
            out += a;
        } else if (a >= 'A' && a <= 'Z') {
            out += static_cast<char>(a - 'A' + 'a');
        } else {
            appendSeparator(out);
        }
        return;
    }
    if (c.isMark()) {
        return;  // a combining accent typed on its own belongs to the letter before it
    }
    if (!c.isLetterOrNumber()) {
        appendSeparator(out);
        return;
    }
    // Accented letters decompose into their base letter and combining marks; compatibility
    // forms (ª, ², ﬁ) into plain letters and digits.
    const QString parts = QString(c).normalized(QString::NormalizationForm_KD);
    for (const QChar part : parts) {
        if (part.isMark()) {
            continue;
        }
        const QChar lower = part.toLower();
        if (lower.unicode() < 0x80 && lower.isLetterOrNumber()) {
            out += static_cast<char>(lower.unicode());
        } else if (part.isLetterOrNumber()) {
            out += kOtherLetter;
        } else {
            appendSeparator(out);
        }
    }
}

std::string foldText(QStringView text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        appendFolded(c, out);
    }
    return out;
}

Windows1252Folding::Windows1252Folding() {
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString decoded = fromWindows1252(&byte, 1);
        std::string form;
        appendFolded(decoded.isEmpty() ? QChar(u' ') : decoded[0], form);
        lengths_[b] = static_cast<std::uint8_t>(std::min<size_t>(form.size(), kMaxForm));
        std::copy_n(form.begin(), lengths_[b], forms_[b].begin());
    }
}

const Windows1252Folding& Windows1252Folding::instance() {
    static const Windows1252Folding table;
    return table;
}

void Windows1252Folding::fold(const unsigned char* text, size_t length, std::string& out) const {
    // Written through a pointer, with room for one character a byte until a longer form comes:
    // the compiler folds every text of every dictionary before it sorts them, and a short text
    // stays short enough to be kept inside its string.
    size_t room = length;
    out.resize(room);
    char* folded = out.data();
    size_t size = 0;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char b = text[i];
        const size_t n = lengths_[b];
        const std::array<char, kMaxForm> form = forms_[b];  // a copy: the writes alias nothing
        if (form[0] == ' ') {
            if (size == 0 || folded[size - 1] != ' ') {
                folded[size++] = ' ';
            }
        } else if (n == 1) {
            folded[size++] = form[0];
        } else {
            // Room for this form and then one character for each byte left.
            if (size + n + (length - i - 1) > room) {
                room = size + (length - i) * kMaxForm;
                out.resize(room);
                folded = out.data();
            }
            for (size_t k = 0; k < n; ++k) {
                folded[size++] = form[k];
            }
        }
    }
    out.resize(size);
}

std::string foldWindows1252(std::string_view text) {
    std::string out;
    Windows1252Folding::instance().fold(reinterpret_cast<const unsigned char*>(text.data()),
                                        text.size(), out);
    return out;
}

}  // namespace corkwise
