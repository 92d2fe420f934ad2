#include "samples/generator/list_generator.h"
#include "tests/ui/ui_fixture.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/status_bar_panels.h"
#include "ui/topics_grid.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <cmath>

namespace zelt::test {
namespace {

struct FontChoice {
    const char* family;
    int pixelSize;
};

// Narrower than the design font on average; digits far wider than the
// average; wide all over.
constexpr FontChoice NarrowFont{"Liberation Sans", 8};
constexpr FontChoice WideDigitsFont{"DejaVu Sans", 10};
constexpr FontChoice WideFont{"DejaVu Sans Mono", 14};

class StatusBarTest : public UiTest {
protected:
    StatusBarPanels& panels() const { return window().statusPanels(); }
    QLabel& label(int panel) const
    {
        return *panels().findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(panel));
    }
    StatusPanelWidths widths() const
    {
        StatusPanelWidths result{};
        for (int panel = 0; panel < StatusPanelCount; ++panel)
            result[static_cast<std::size_t>(panel)] = panels().panelWidth(panel);
        return result;
    }
    void useFont(const FontChoice& choice) const
    {
        QFont font(QString::fromLatin1(choice.family));
        font.setPixelSize(choice.pixelSize);
        panels().setFont(font);
    }
    double averageCharWidth() const { return QFontMetricsF(panels().font()).averageCharWidth(); }
    void expectTextsFit(const char* font) const
    {
        for (int panel = 0; panel < StatusPanelCount - 1; ++panel) {
            const QLabel& shown = label(panel);
            EXPECT_EQ(shown.width(), panels().panelWidth(panel));
            const double text = QFontMetricsF(shown.font()).horizontalAdvance(shown.text());
            EXPECT_LE(text, shown.contentsRect().width() - shown.indent())
                << font << ": " << shown.text().toStdString();
        }
    }
};

TEST_F(StatusBarTest, AFontNoWiderThanTheDesignFontKeepsTheDesignWidths)
{
    start();
    useFont(NarrowFont);
    ASSERT_LE(averageCharWidth(), DesignFontAverageCharWidth);
    EXPECT_EQ(widths(), StatusPanelDesignWidths);

    writeList("SMALL.LST", SmallList());
    window().openList(listPath("SMALL.LST"));
    EXPECT_EQ(widths(), StatusPanelDesignWidths);
}

TEST_F(StatusBarTest, AWiderFontWidensEveryPanelByTheRatioOfTheAverageCharacterWidths)
{
    start();
    useFont(WideFont);
    const double ratio = averageCharWidth() / DesignFontAverageCharWidth;
    ASSERT_GT(ratio, 1.5);
    for (std::size_t panel = 0; panel < StatusPanelDesignWidths.size(); ++panel)
        EXPECT_NEAR(widths()[panel], StatusPanelDesignWidths[panel] * ratio, 1.0) << panel;

    panels().setPanelText(0, QStringLiteral(" 8779 topics (8779 in category)"));
    panels().setPanelText(1, QStringLiteral(" Sel: 8779"));
    panels().setPanelText(2, QStringLiteral(" Cur: 8779"));
    expectTextsFit(WideFont.family);
}

TEST_F(StatusBarTest, EveryPanelTextOfAHundredThousandTopicListFits)
{
    samples::GeneratorOptions options;
    options.topicCount = 100000;
    options.averageTopicBytes = 60;
    const std::string list = listPath("INTERRUP.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list, options));
    start({list});
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    window().topicsGrid().setFocus();
    QTest::keyClick(&window().topicsGrid(), Qt::Key_End);
    EXPECT_EQ(panel(0), " 100001 topics (100001 in category)");
    EXPECT_EQ(panel(1), " Sel: 100001");
    EXPECT_EQ(panel(2), " Cur: 100001");

    expectTextsFit("the window's font");
    for (const FontChoice& font : {NarrowFont, WideFont, WideDigitsFont}) {
        useFont(font);
        expectTextsFit(font.family);
    }

    // Without the list the panels go back to the widths of the font.
    const StatusPanelWidths withList = widths();
    window().closeList();
    EXPECT_EQ(widths(), ScaleStatusPanelsForFont(StatusPanelDesignWidths, averageCharWidth(),
                                                 DesignFontAverageCharWidth));
    EXPECT_GT(withList[1], widths()[1]);
}

// At every move of the progress bar while a list is scanned and while its
// index is read: the status text, the bar and the wait cursor; afterwards none.
TEST_F(StatusBarTest, LoadingShowsStatusBarAndWaitCursorAndThenRestoresThem)
{
    samples::GeneratorOptions options;
    options.topicCount = 1000; // an index of more than 989 lines shows the bar
    options.averageTopicBytes = 60;
    const std::string list = listPath("INTERRUP.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list, options));
    start();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QProgressBar& bar = *panels().progressBar();
    QStringList seen;
    QObject::connect(&bar, &QProgressBar::valueChanged, &bar, [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        const bool wait = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        seen.push_back(panel(3) + (bar.isVisible() ? " +bar" : " -bar") +
                       (wait ? " +wait" : " -wait"));
    });
    for (const char* status :
         {" Creating new indexfile for INTERRUP.LST...", " Loading topics of INTERRUP.LST..."}) {
        seen.clear();
        window().openList(list);
        const QString loading = QString::fromLatin1(status) + " +bar +wait";
        EXPECT_GE(seen.count(loading), 25) << status;
        EXPECT_EQ(seen.back(), loading);
        EXPECT_FALSE(bar.isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(window().hints().hint(), " ");
        EXPECT_EQ(window().loadedList().topicCount(), 1001);
        window().closeList();
    }
}

} // namespace
} // namespace zelt::test
