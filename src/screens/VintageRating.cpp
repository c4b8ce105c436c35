#include "screens/VintageRating.h"

#include "catalog/ScoreBands.h"

#include <array>
#include <optional>

namespace corkwise {

namespace {

constexpr std::array<VintageCode, 5> kCodes{{
    {"H", "Hold it to improve."},
    {"D", "Drink it now or hold it to improve quality."},
    {"W", "Warning, may be too old."},
    {"A", "Avoid it!"},
    {"NV", "Non-vintage."},
}};

// Scores are compared as numbers: compared as text, "100" would sort below "75" and "9" above
// "89".
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

std::span<const VintageCode> vintageCodes() {
    return kCodes;
}

QString scoreWord(const QString& score) {
    const std::optional<int> value = wholeNumber(score);
    return value ? QString::fromLatin1(catalog_format::scoreBandOf(*value).word) : QString();
}

QString vintageRatingText(const QString& score, const QString& code) {
    QString text;
    if (const std::optional<int> value = wholeNumber(score)) {
        text = QString::fromLatin1(catalog_format::scoreBandOf(*value).vintageSentence) +
               QLatin1Char(' ');
    }
    for (const VintageCode& c : kCodes) {
        if (code.compare(QLatin1String(c.code), Qt::CaseInsensitive) == 0) {
            text += QLatin1String(c.sentence);
            break;
        }
    }
    return text;
}

}  // namespace corkwise
