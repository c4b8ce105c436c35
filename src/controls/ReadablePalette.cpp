#include "controls/ReadablePalette.h"

#include "controls/ControlLook.h"

#include <algorithm>
#include <cmath>

namespace corkwise {

namespace {

double channel(double value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

// A selected entry: a blue dark enough for white text (about 7:1).
constexpr QColor kSelection(0, 90, 160);
// A pressed strip button: the box colour made darker, with white text.
const QColor kPressed = kHeaderColour.darker(150);

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette readablePalette(const QPalette& base) {
    QPalette palette = base;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, kSelection);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, kGreyedText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, kSelection);
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::white);
    return palette;
}

std::vector<TextOnBackground> textColourPairs(const QPalette& palette) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return {
        {"page label", black, kPanelColour, true},
        {"info box", black, kHeaderColour, true},
        {"grid header", kTextColour, kHeaderColour, true},
        {"grid cell", kTextColour, kPanelColour, true},
        {"highlighted grid row", kTextColour, kHighlightColour, true},
        {"strip button", black, kHeaderColour, true},
        {"pressed strip button", white, kPressed, true},
        {"list entry", palette.color(QPalette::Active, QPalette::Text),
         palette.color(QPalette::Active, QPalette::Base), true},
        {"selected list entry", palette.color(QPalette::Active, QPalette::HighlightedText),
         palette.color(QPalette::Active, QPalette::Highlight), true},
        {"selected entry, list not focused",
         palette.color(QPalette::Inactive, QPalette::HighlightedText),
         palette.color(QPalette::Inactive, QPalette::Highlight), true},
        {"menu item", palette.color(QPalette::Active, QPalette::WindowText),
         palette.color(QPalette::Active, QPalette::Window), true},
        {"button", palette.color(QPalette::Active, QPalette::ButtonText),
         palette.color(QPalette::Active, QPalette::Button), true},
        {"greyed menu item", palette.color(QPalette::Disabled, QPalette::WindowText),
         palette.color(QPalette::Disabled, QPalette::Window), false},
        {"greyed list entry", palette.color(QPalette::Disabled, QPalette::Text),
         palette.color(QPalette::Disabled, QPalette::Base), false},
        {"greyed label on a page", palette.color(QPalette::Disabled, QPalette::WindowText),
         kPanelColour, false},
        {"greyed strip button", kGreyedText, kHeaderColour, false},
    };
}

}  // namespace corkwise
