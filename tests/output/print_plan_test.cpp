#include "output/print_plan.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(PrintPlan, TheViewIsPrintedAsShownOnlyWholeWithWysiwygPrinting)
{
    EXPECT_EQ(PlanPrint(true, PrintRange::All),
              (PrintPlan{PrintSource::TopicView, PrintFont::AsShown}));
    EXPECT_EQ(PlanPrint(true, PrintRange::Selection),
              (PrintPlan{PrintSource::SelectionPlain, PrintFont::EditorDefault}));
    EXPECT_EQ(PlanPrint(false, PrintRange::All),
              (PrintPlan{PrintSource::WholeTextPlain, PrintFont::PlainPrintFont}));
    EXPECT_EQ(PlanPrint(false, PrintRange::Selection),
              (PrintPlan{PrintSource::SelectionPlain, PrintFont::PlainPrintFont}));
}

TEST(PrintPlan, ARememberedSelectionRangeNeedsASelection)
{
    EXPECT_EQ(EffectivePrintRange(PrintRange::Selection, true), PrintRange::Selection);
    EXPECT_EQ(EffectivePrintRange(PrintRange::Selection, false), PrintRange::All);
    EXPECT_EQ(EffectivePrintRange(PrintRange::All, true), PrintRange::All);
}

} // namespace
} // namespace zelt::test
