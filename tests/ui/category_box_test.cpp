#include "tests/ui/ui_fixture.h"
#include "ui/category_combo_box.h"
#include "ui/form_main.h"
#include "ui/status_bar_panels.h"
#include "ui/tool_bar_bands.h"
#include "ui/topics_grid.h"

#include <QImage>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace zelt::test {
namespace {

class CategoryBoxTest : public UiTest {
protected:
    CategoryComboBox& box() const { return window().categoryBox(); }
    QToolButton& button() const { return *window().findChild<QToolButton*>("CategorySpeedButton"); }
    std::vector<int> entryCodes() const
    {
        std::vector<int> codes;
        for (int i = 0; i < box().count(); ++i)
            codes.push_back(box().categoryAt(i));
        return codes;
    }
    void choose(int index) const
    {
        box().setCurrentIndex(index);
        Q_EMIT box().activated(index);
    }
    std::vector<TopicNumber> rowMap() const
    {
        const auto rows = window().loadedList().rowMap();
        return {rows.begin(), rows.end()};
    }
};

TEST_F(CategoryBoxTest, EntriesFollowTheCategoriesOfTheOpenList)
{
    writeList("SMALL.LST", SmallList());
    start({"SMALL.LST"});
    EXPECT_EQ(entryCodes(), (std::vector<int>{255, '!', 'B', 'D'}));
    EXPECT_EQ(box().itemText(0), " All categories");
    EXPECT_EQ(box().itemText(3), " DOS kernel");
    EXPECT_EQ(box().currentIndex(), 0);
    EXPECT_EQ(box().maxVisibleItems(), 21);
    EXPECT_EQ(box().statusTip(), "Current category");
    EXPECT_TRUE(button().isEnabled());
    EXPECT_EQ(button().text(), "Category");
    EXPECT_EQ(button().toolTip(), "Click to show All categories");
}

TEST_F(CategoryBoxTest, TheButtonShowsTheAllCategoriesSymbolRightOfItsCaption)
{
    writeList("SMALL.LST", SmallList());
    start({"SMALL.LST"});
    const QImage image = button().grab().toImage();
    const QRgb teal = qRgb(0, 128, 128);
    int leftmostTeal = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == teal)
                leftmostTeal = std::min(leftmostTeal, x);
    ASSERT_LT(leftmostTeal, image.width());
    // The teal box holds the white square, and the caption stands left of it.
    const int middle = image.height() / 2;
    EXPECT_EQ(image.pixel(leftmostTeal + 7, middle), qRgb(255, 255, 255));
    EXPECT_GT(leftmostTeal, button().fontMetrics().horizontalAdvance("Category"));
}

TEST_F(CategoryBoxTest, ChoosingACategoryNarrowsTheGridAndTheButtonShowsAllAgain)
{
    writeList("SMALL.LST", SmallList());
    start({"SMALL.LST"});
    choose(3);
    EXPECT_EQ(rowMap(), (std::vector<TopicNumber>{1, 3}));
    EXPECT_EQ(window().topicsGrid().model()->rowCount(), 2);
    EXPECT_EQ(window().topicsGrid().currentIndex().row(), 0);
    EXPECT_EQ(window().loadedList().view.currentCategory, 'D');
    EXPECT_EQ(window().loadedList().view.selectedTopic, 1);
    EXPECT_EQ(panel(0), " 4 topics (2 in category)");
    EXPECT_EQ(panel(1), " Sel: 2");
    EXPECT_TRUE(window().isEnabled());

    QTest::mouseClick(&button(), Qt::LeftButton);
    EXPECT_EQ(box().currentIndex(), 0);
    EXPECT_EQ(rowMap(), (std::vector<TopicNumber>{0, 1, 2, 3}));
    EXPECT_EQ(panel(0), " 4 topics (4 in category)");
    EXPECT_EQ(panel(1), " Sel: 1");
}

TEST_F(CategoryBoxTest, AListOfOneCategoryHasNoAllCategoriesEntry)
{
    const std::string list = writeList("ONE.LST", DosLines({
                                                      Divider('D', "21"),
                                                      "INT 21 - DOS - ONE",
                                                      Divider('D', "22"),
                                                      "INT 22 - DOS - TWO",
                                                  }));
    start({"ONE.LST"});
    EXPECT_EQ(entryCodes(), (std::vector<int>{'D'}));
    EXPECT_EQ(window().loadedList().view.currentCategory, 'D');
    // Choosing the entry already shown changes nothing: a rebuilt view would
    // select its first row again.
    QTest::keyClick(&window().topicsGrid(), Qt::Key_Down);
    ASSERT_EQ(panel(1), " Sel: 2");
    choose(0);
    EXPECT_EQ(panel(1), " Sel: 2");
    EXPECT_EQ(window().topicsGrid().currentIndex().row(), 1);
}

} // namespace
} // namespace zelt::test
