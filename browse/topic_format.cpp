#include "browse/topic_format.h"

#include "browse/see_also.h"
#include "browse/view_lines.h"

#include <algorithm>

namespace zelt {

namespace {

bool KeepsLabelsPlain(ListKind kind) noexcept
{
    return kind == ListKind::Opcodes || kind == ListKind::Tables || kind == ListKind::Biblio;
}

bool FollowsReferences(ListKind kind) noexcept
{
    return ToInt(kind) >= ToInt(ListKind::Interrup) && ToInt(kind) <= ToInt(ListKind::I2c);
}

// Adds the part of [column, column + length) that lies on the line; a range
// that would run on into the next line is cut at the line's end.
void AddSpan(std::vector<FormatSpan>& spans, const LineRange& line, SpanKind kind,
             std::size_t column, std::size_t length, bool coloured)
{
    if (column >= line.length)
        return;
    length = std::min(length, line.length - column);
    if (length == 0)
        return;
    spans.push_back(
        {kind, static_cast<int>(line.position + column), static_cast<int>(length), coloured});
}

} // namespace

TopicFormat FormatTopic(std::string_view shown, std::string_view title,
                        const FormatOptions& options)
{
    TopicFormat format;
    if (title.empty())
        return format;
    format.replaceSeeAlsoMenu = true;

    const std::vector<LineRange> lines = SplitViewLines(shown);
    const bool dividedAndFormatted = options.topicFormatting && options.parseDividers;
    if (dividedAndFormatted)
        AddSpan(format.spans, lines.front(), SpanKind::Title, 0, lines.front().length, true);

    const bool underlineLabels = dividedAndFormatted && !KeepsLabelsPlain(options.listKind);
    if (underlineLabels || options.enabledSeeAlsoMenu) {
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const LineRange& line = lines[i];
            const std::string_view text = shown.substr(line.begin, line.length);
            const auto colon = LabelColon(text);
            if (!colon)
                continue;
            if (underlineLabels && !text.starts_with('!'))
                AddSpan(format.spans, line, SpanKind::Label, 0, *colon, true);
            if (!options.enabledSeeAlsoMenu || !IsSeeAlsoLabel(text.substr(0, *colon)))
                continue;
            for (const SeeAlsoReference& reference :
                 CollectSeeAlsoReferences(text, *colon, options.listKind)) {
                if (reference.linkable)
                    format.seeAlsoMenu.emplace_back(reference.text);
                AddSpan(format.spans, line, reference.linkable ? SpanKind::Link : SpanKind::Ref,
                        reference.column, reference.text.size(), options.topicFormatting);
            }
        }
    }
    format.seeAlsoButtonEnabled =
        !format.seeAlsoMenu.empty() && FollowsReferences(options.listKind);
    return format;
}

} // namespace zelt
