#pragma once
// The sentence that rates one year of a vintage chart and says what to do with its wines, and the
// bands and codes it is made from (the help window shows the same table, so the two agree).

#include <QString>

#include <span>

namespace corkwise {

// One band of scores: the scores from LOWEST up to the next band's lowest (no limit for the
// last band), the sentence that rates them and the word that grades them.
struct VintageBand {
    int lowest;
    const char* sentence;
    const char* word;
};

// One code of a chart year and the sentence that says what to do with its wines.
struct VintageCode {
    const char* code;
    const char* sentence;
};

// The band of every score below the first of vintageBands (its LOWEST is 0).
inline constexpr VintageBand kPoorVintage{0, "This is a poor vintage!", "poor"};
// The bands, lowest first; a score below the first band is poor (kPoorVintage).
std::span<const VintageBand> vintageBands();
// Every code the chart explains, in the order it is looked for.
std::span<const VintageCode> vintageCodes();

// The rating of a year whose chart shows SCORE and CODE.
//
// SCORE is read as a whole number (spaces around it are ignored) and falls into one band:
// below 75 "This is a poor vintage!", 75 to 79 "This vintage is below average.", 80 to 84
// "This is a fair vintage.", 85 to 89 "This is a very good vintage!", 90 to 95 "This is an
// excellent vintage!", above 95 "This is an exceptional vintage!". That sentence is followed by
// one space. A score that is not a whole number gives no score sentence and no space.
//
// Then CODE, compared without regard to letter case, adds "Hold it to improve." (H), "Drink it
// now or hold it to improve quality." (D), "Warning, may be too old." (W), "Avoid it!" (A) or
// "Non-vintage." (NV); any other code, the empty one included, adds nothing.
QString vintageRatingText(const QString& score, const QString& code);

// The word for SCORE's band, as the rating sentences grade it: "poor", "below average", "fair",
// "very good", "excellent" or "exceptional"; empty when SCORE is not a whole number.
QString scoreWord(const QString& score);

}  // namespace corkwise
