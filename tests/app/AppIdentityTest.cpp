#include "app/AppIdentity.h"

#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QRegularExpression>

namespace corkwise {
namespace {

TEST(AppIdentityTest, ApplicationIdIsReverseDnsNamingTheProgram) {
    const QString id = applicationId();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^[a-z0-9]+(\\.[A-Za-z0-9_]+)+$")).match(id).hasMatch())
        << id.toStdString();
    EXPECT_TRUE(id.endsWith(QStringLiteral(".Corkwise"))) << id.toStdString();
}

// Every size the desktop asks for is carried, drawn at its own size, and shows an opaque picture
// in its middle on a clear corner: a missing or blank resource fails here, not on a desktop.
TEST(AppIdentityTest, IconCarriesEverySizeDrawnAtThatSize) {
    test::ensureGuiApp();
    const QList<int> sizes = applicationIconSizes();
    ASSERT_EQ(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : sizes) {
        SCOPED_TRACE(size);
        const QImage carried(QStringLiteral(":/corkwise/icons/%1.png").arg(size));
        ASSERT_EQ(carried.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(carried.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(qAlpha(carried.pixel(0, 0)), 0);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        EXPECT_EQ(icon.pixmap(QSize(size, size), 1.0).size(), QSize(size, size));
    }
}

}  // namespace
}  // namespace corkwise
