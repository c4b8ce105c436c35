#include "platform/WaitCursor.h"

#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>
#include <QCursor>
#include <QGuiApplication>

namespace corkwise {
namespace {

TEST(WaitCursorTest, ShowsUntilReleasedOrDestroyedAndNests) {
    test::ensureGuiApp();
    ASSERT_EQ(WaitCursor::activeCount(), 0);
    {
        WaitCursor outer;
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            WaitCursor inner;
            EXPECT_EQ(WaitCursor::activeCount(), 2);
            inner.release();
            inner.release();
            EXPECT_EQ(WaitCursor::activeCount(), 1);
        }
        EXPECT_EQ(WaitCursor::activeCount(), 1);
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(WaitCursor::activeCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace corkwise
