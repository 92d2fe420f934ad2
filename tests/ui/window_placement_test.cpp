#include "settings/value_codec.h"
#include "tests/ui/ui_fixture.h"
#include "ui/form_main.h"
#include "ui/window_layout_io.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <climits>

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

// Values no screen can show, as a damaged or hand-edited settings file holds
// them: the window draws within the screen and stores what it drew.
TEST_F(WindowPlacementTest, ExtremeValuesAreHeldToTheScreenAndStoredSo)
{
    constexpr auto Huge = Dword{0x7fffffff};
    StoreValue(LayoutKey(), "BoundsRect", RectValue(Rect{-100000, 0, 2147483647, 500}));
    StoreValue(LayoutKey(), "WindowState", Dword{WindowStateNormal});
    StoreValue(LayoutKey(), "TopicsColWidth", Huge);
    StoreValue(LayoutKey(), "ToolBar.Width", Huge);
    StoreValue(LayoutKey(), "TopicsHeightPerc", RealValue(1e300));
    StoreValue(ConfigKey(), "CurrentTopic.Font.Size", Huge);
    start();
    QApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(window().frameGeometry().intersects(screen));
    EXPECT_LE(window().frameGeometry().width(), screen.width());

    EXPECT_TRUE(closeWindow());
    const std::optional<Rect> bounds = StoredBounds();
    ASSERT_TRUE(bounds);
    EXPECT_LE(bounds->right - bounds->left, screen.width());
    EXPECT_GT(bounds->right, 0);
    const auto stored = [](std::string_view name) {
        return IntegerFrom(StoredValueOf(LayoutKey(), name)).value_or(INT_MAX);
    };
    EXPECT_LE(stored("TopicsColWidth"), screen.width());
    EXPECT_LE(stored("ToolBar.Width"), screen.width());
    EXPECT_LE(RealFrom(StoredValueOf(LayoutKey(), "TopicsHeightPerc")).value_or(2.0), 1.0);
    EXPECT_EQ(IntegerFrom(StoredValueOf(ConfigKey(), "CurrentTopic.Font.Size")), 20);
}

} // namespace
} // namespace zelt::test
