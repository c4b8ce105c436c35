// The help window: its text names every score band and code of the vintage chart from the chart's
// own table, lists every shortcut of the menus, opens with F1 and follows the zoom and the font.

#include "DesktopFixture.h"

#include "app/HelpText.h"
#include "app/HelpWindow.h"
#include "catalog/ScoreBands.h"
#include "screens/VintageRating.h"

#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QTextBrowser>

namespace corkwise::test {
namespace {

using HelpWindowTest = DesktopFixture;

TEST_F(HelpWindowTest, TextNamesEveryBandAndCodeOfTheChartAndTheFileKeepsTheSameTable) {
    const QString text = help::composedText(bar());
    QStringList rows;
    for (const VintageCode& code : vintageCodes()) {
        rows.append(QStringLiteral("| %1 | %2 |")
                        .arg(QLatin1String(code.code), QLatin1String(code.sentence)));
    }
    for (const catalog_format::ScoreBand& band : catalog_format::kScoreBands) {
        rows.append(QStringLiteral(" | %1 |").arg(QLatin1String(band.vintageSentence)));
    }
    rows.append(QStringLiteral("| below 75 | %1 |")
                    .arg(QLatin1String(catalog_format::kPoorBand.vintageSentence)));
    rows.append(QStringLiteral("| 75 to 79 | "));
    rows.append(QStringLiteral("| 96 and above | "));
    for (const QString& row : rows) {
        EXPECT_TRUE(text.contains(row)) << row.toStdString();
    }
    // The copy in docs/help.md, which readers of the file see, is the generated table too.
    QFile file(QStringLiteral(CORKWISE_SOURCE_DIR "/docs/help.md"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString source = QString::fromUtf8(file.readAll());
    EXPECT_EQ(source, help::sourceText());
    EXPECT_EQ(help::partOf(source, QStringLiteral("chart-table")), help::chartTable());
    EXPECT_FALSE(text.contains(QStringLiteral("<!--")));
}

TEST_F(HelpWindowTest, F1OpensOneWindowListingEveryShortcutThatFollowsZoomAndFont) {
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    QTest::keyClick(frame_.get(), Qt::Key_F1);
    HelpWindow* help = frame_->helpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    frame_->routeCommand(command::kHelp);
    EXPECT_EQ(frame_->findChildren<HelpWindow*>().size(), 1);

    // Every item with a shortcut, in whichever menu, is in the table with its keys.
    int shortcuts = 0;
    for (QMenu* menu : bar()->findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            if (!item->shortcut().isEmpty()) {
                ++shortcuts;
                const QString row = QStringLiteral("| %1 | ").arg(
                    item->shortcut().toString(QKeySequence::PortableText));
                EXPECT_TRUE(help->text().contains(row)) << row.toStdString();
            }
        }
    }
    EXPECT_GE(shortcuts, 6);
    EXPECT_TRUE(help->text().contains(QStringLiteral("| F1 | Help > Corkwise Help |")));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Hold it to improve.")));

    const qreal ratio = help->devicePixelRatioF();
    frame_->routeCommand(command::kZoomIn);
    EXPECT_GT(help->devicePixelRatioF(), ratio);

    QFont larger = help->font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    help->setFont(larger);
    EXPECT_EQ(help->browser()->document()->defaultFont().pointSizeF(), larger.pointSizeF());
}

}  // namespace
}  // namespace corkwise::test
