#pragma once
// The sentence that rates one year of a vintage chart and says what to do with its wines. The
// score's sentence comes from the score bands (catalog/ScoreBands.h), the code's from the table
// of codes below; the help window shows both tables, so it says what the chart says.

#include <QString>

#include <span>

namespace corkwise {

// One code of a chart year and the sentence that says what to do with its wines.
struct VintageCode {
    const char* code;
    const char* sentence;
};

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
