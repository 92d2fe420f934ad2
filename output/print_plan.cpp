#include "output/print_plan.h"

namespace zelt {

PrintRange EffectivePrintRange(PrintRange remembered, bool hasSelection) noexcept
{
    return hasSelection ? remembered : PrintRange::All;
}

PrintPlan PlanPrint(bool wysiwygPrint, PrintRange range) noexcept
{
    const bool selection = range == PrintRange::Selection;
    if (wysiwygPrint && !selection)
        return {PrintSource::TopicView, PrintFont::AsShown};
    return {selection ? PrintSource::SelectionPlain : PrintSource::WholeTextPlain,
            wysiwygPrint ? PrintFont::EditorDefault : PrintFont::PlainPrintFont};
}

} // namespace zelt
