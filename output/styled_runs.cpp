#include "output/styled_runs.h"

namespace zelt {

RunLook LookOf(const FormatSpan& span) noexcept
{
    switch (span.kind) {
    case SpanKind::Title:
        return {true, false, RunColour::Highlight};
    case SpanKind::Label:
        return {false, true, RunColour::Highlight};
    case SpanKind::Link:
        return {false, false, span.coloured ? RunColour::LinkGreen : RunColour::Text};
    case SpanKind::Ref:
        return {false, false, span.coloured ? RunColour::ReferenceTeal : RunColour::Text};
    }
    return {};
}

} // namespace zelt
