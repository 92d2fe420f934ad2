#pragma once

#include "output/topic_document.h"

#include <string_view>

namespace zelt {

// The colours a run of text can take, in the order of a written colour table.
enum class RunColour { Text, Highlight, LinkGreen, ReferenceTeal };

struct RunLook {
    bool bold = false;
    bool underline = false;
    RunColour colour = RunColour::Text;

    bool plain() const noexcept { return !bold && !underline && colour == RunColour::Text; }
};

// How the view shows the text of a span.
RunLook LookOf(const FormatSpan& span) noexcept;

// Calls visit(text, look) for the runs of a document in order: the text
// between spans in the plain look, each span in its own. Text a span shares
// with an earlier one stays with the earlier one; spans beyond the text are cut.
template <typename Visit>
void ForEachRun(const TopicDocument& document, Visit&& visit)
{
    const std::string_view text = document.text;
    std::size_t at = 0;
    for (const FormatSpan& span : document.spans) {
        const std::size_t start = span.start < 0 ? 0 : static_cast<std::size_t>(span.start);
        const std::size_t end =
            span.length <= 0 ? start : start + static_cast<std::size_t>(span.length);
        const std::size_t from = start < at ? at : start;
        const std::size_t to = end < text.size() ? end : text.size();
        if (from >= to)
            continue;
        if (from > at)
            visit(text.substr(at, from - at), RunLook{});
        visit(text.substr(from, to - from), LookOf(span));
        at = to;
    }
    if (at < text.size())
        visit(text.substr(at), RunLook{});
}

} // namespace zelt
