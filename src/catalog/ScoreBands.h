#pragma once
// The bands a whole-number score falls into. The vintage chart's rating sentence, the word the
// screens grade a score with, and the word best-producer lists made by the catalogue compiler give
// a producer's mean score all come from this one table, so they never disagree about where
// "excellent" begins.

#include <array>

namespace corkwise::catalog_format {

struct ScoreBand {
    int lowest;        // the band holds the scores from here up to the next band's lowest
    const char* word;  // "excellent", as a sentence says it
    const char* vintageSentence;  // "This is an excellent vintage!"
};

// Scores below the lowest band.
inline constexpr ScoreBand kPoorBand{0, "poor", "This is a poor vintage!"};

inline constexpr std::array<ScoreBand, 5> kScoreBands{{
    {75, "below average", "This vintage is below average."},
    {80, "fair", "This is a fair vintage."},
    {85, "very good", "This is a very good vintage!"},
    {90, "excellent", "This is an excellent vintage!"},
    {96, "exceptional", "This is an exceptional vintage!"},
}};

// The band SCORE falls into.
constexpr const ScoreBand& scoreBandOf(int score) {
    const ScoreBand* band = &kPoorBand;
    for (const ScoreBand& b : kScoreBands) {
        if (score >= b.lowest) {
            band = &b;
        }
    }
    return *band;
}

}  // namespace corkwise::catalog_format
