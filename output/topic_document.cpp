#include "output/topic_document.h"

#include "base/code_page_437.h"
#include "browse/view_lines.h"

#include <algorithm>

namespace zelt {

TopicDocument DocumentOfShownBytes(std::string_view shown, std::vector<FormatSpan> spans)
{
    return {ViewBytes(shown), std::move(spans)};
}

std::string BytesOfViewText(std::u16string_view viewText)
{
    std::string bytes;
    bytes.reserve(viewText.size());
    for (const char16_t character : viewText) {
        if (character >= 0x20 && character < 0x7F) {
            bytes += static_cast<char>(character);
        } else if (character == ViewLineBreak) {
            bytes += '\n';
        } else if (character == u'\t') {
            bytes += '\t';
        } else {
            const auto byte = UnicodeToCp437(character);
            bytes += byte ? static_cast<char>(*byte) : '?';
        }
    }
    return bytes;
}

TopicDocument SliceOfDocument(const TopicDocument& document, std::size_t start, std::size_t length)
{
    start = std::min(start, document.text.size());
    const std::size_t end = start + std::min(length, document.text.size() - start);
    TopicDocument slice{document.text.substr(start, end - start), {}};
    for (FormatSpan span : document.spans) {
        const auto spanStart = static_cast<std::size_t>(std::max(span.start, 0));
        const std::size_t spanEnd = spanStart + static_cast<std::size_t>(std::max(span.length, 0));
        const std::size_t from = std::max(spanStart, start);
        const std::size_t to = std::min(spanEnd, end);
        if (from >= to)
            continue;
        span.start = static_cast<int>(from - start);
        span.length = static_cast<int>(to - from);
        slice.spans.push_back(span);
    }
    return slice;
}

} // namespace zelt
