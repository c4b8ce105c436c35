#pragma once
// Colours every text can be read in: each enabled text at least 4.5:1 against what it is drawn
// on (the usual figure for body text), greyed text plainly lighter yet still legible. The page
// colours stay as they are; what changes is the toolkit's own choices where they fall short
// (the selected entry of a list, greyed items).

#include <QColor>
#include <QPalette>

#include <vector>

namespace corkwise {

// Greyed text: lighter than black, still legible on the pages, boxes and white lists.
inline constexpr QColor kGreyedText(100, 100, 100);

// The contrast ratio of two colours, 1 to 21, from their relative luminance (sRGB).
double contrastRatio(const QColor& a, const QColor& b);

// BASE with a selection colour white text reads on, and greyed text that stays legible.
QPalette readablePalette(const QPalette& base);

// One text colour over one background, as the program draws it.
struct TextOnBackground {
    const char* where;
    QColor text;
    QColor background;
    bool enabled;  // false for a greyed item
};

// Every text/background pair the program's pages, controls and menus use, with PALETTE (a
// readable palette) for the toolkit's own parts.
std::vector<TextOnBackground> textColourPairs(const QPalette& palette);

// The least contrast of an enabled text, and of a greyed one.
inline constexpr double kLeastEnabledContrast = 4.5;
inline constexpr double kLeastGreyedContrast = 2.0;

}  // namespace corkwise
