#include "settings/value_codec.h"
#include "tests/ui/ui_fixture.h"
#include "ui/form_main.h"
#include "ui/window_layout_io.h"

#include <QApplication>

namespace zelt::test {
namespace {

TEST(OuterBounds, WidenTheClientAreaByTheFrameWithRightAndBottomOutside)
{
    const QMargins frame(4, 30, 5, 6);
    EXPECT_EQ(OuterBounds(QRect(10, 20, 300, 200), frame), (Rect{6, -10, 315, 226}));
    EXPECT_EQ(OuterBounds(QRect(10, 20, 300, 200), QMargins()), (Rect{10, 20, 310, 220}));
    EXPECT_EQ(ClientSizeFor(QSize(309, 236), frame), QSize(300, 200));
    EXPECT_EQ(ClientSizeFor(QSize(8, 20), frame), QSize(1, 1));
}

class WindowPlacementTest : public UiTest {
protected:
    static constexpr Rect Stored{100, 80, 700, 500};
    static QRect StoredFrame() { return QRect(100, 80, 600, 420); }

    void startWith(int windowState)
    {
        StoreValue(LayoutKey(), "BoundsRect", RectValue(Stored));
        StoreValue(LayoutKey(), "WindowState", Dword{static_cast<std::uint32_t>(windowState)});
        start();
        QApplication::processEvents();
    }
    static std::optional<Rect> StoredBounds()
    {
        return RectFrom(StoredValueOf(LayoutKey(), "BoundsRect"));
    }
};

// The offscreen platform gives windows a frame, as a window manager does.
TEST_F(WindowPlacementTest, TheStoredBoundsAreTheOuterBoundsBothWays)
{
    startWith(WindowStateNormal);
    ASSERT_FALSE(FrameMarginsOf(window()).isNull());
    EXPECT_EQ(window().frameGeometry(), StoredFrame());
    EXPECT_LT(window().width(), StoredFrame().width());

    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(StoredBounds(), Stored);
}

TEST_F(WindowPlacementTest, AWindowCreatedMaximisedRestoresToTheStoredOuterBounds)
{
    startWith(WindowStateMaximised);
    ASSERT_TRUE(window().isMaximized());
    window().showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window().frameGeometry(), StoredFrame());
}

TEST_F(WindowPlacementTest, AMinimisedWindowStoresItsNormalOuterBounds)
{
    startWith(WindowStateNormal);
    window().showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(window().isMinimized());

    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(IntegerFrom(StoredValueOf(LayoutKey(), "WindowState")), WindowStateMinimised);
    EXPECT_EQ(StoredBounds(), Stored);
}

} // namespace
} // namespace zelt::test
