// Every text the program draws stands out from its background: 4.5:1 for enabled text, and
// greyed text lighter than that yet still legible.

#include "controls/ReadablePalette.h"

#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace corkwise {
namespace {

TEST(ReadablePaletteTest, TheContrastRatioFollowsRelativeLuminance) {
    struct Row {
        QColor a, b;
        double ratio;
    } const rows[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::white, 1.0},
        {QColor(118, 118, 118), Qt::white, 4.54},
        {QColor(255, 0, 0), Qt::white, 4.0},
        {QColor(119, 119, 119), Qt::white, 4.48},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(contrastRatio(r.a, r.b), r.ratio, 0.01) << r.a.name().toStdString();
        EXPECT_NEAR(contrastRatio(r.b, r.a), r.ratio, 0.01) << "either way round";
    }
}

TEST(ReadablePaletteTest, EveryTextOfTheProgramIsReadableAndGreyedTextStaysDistinct) {
    test::ensureGuiApp();
    const QPalette palette = readablePalette(QApplication::palette());
    for (const TextOnBackground& pair : textColourPairs(palette)) {
        const double ratio = contrastRatio(pair.text, pair.background);
        if (pair.enabled) {
            EXPECT_GE(ratio, kLeastEnabledContrast) << pair.where;
        } else {
            EXPECT_GE(ratio, kLeastGreyedContrast) << pair.where;
            // Greyed is plainly lighter than the enabled text on the same background.
            EXPECT_LT(ratio, contrastRatio(Qt::black, pair.background) / 2) << pair.where;
        }
    }
}

}  // namespace
}  // namespace corkwise
