// Any bytes as a topic shown in the view: the formatting spans stay in order,
// apart and inside the shown part of their lines, and view positions and byte
// offsets map onto each other.
#include "browse/topic_format.h"
#include "browse/view_lines.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first byte chooses the list and the settings, the second the title's length.
    zelt::FormatOptions options;
    options.listKind = static_cast<zelt::ListKind>(data[0] % 13 - 1);
    options.parseDividers = (data[0] & 0x10) == 0;
    options.topicFormatting = (data[0] & 0x20) == 0;
    options.enabledSeeAlsoMenu = (data[0] & 0x40) == 0;
    const std::size_t titleLength = std::min<std::size_t>(data[1], size - 2);
    const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::string_view title = rest.substr(0, titleLength);
    const std::string_view shown = zelt::ShownBytes(rest);

    const zelt::TopicFormat format = zelt::FormatTopic(shown, title, options);
    const std::vector<zelt::LineRange> lines = zelt::SplitViewLines(shown);
    const std::size_t viewLength = zelt::ViewLength(lines);
    FUZZ_CHECK(zelt::ViewText(shown).size() == viewLength);
    std::size_t previousEnd = 0;
    auto line = lines.begin();
    for (const zelt::FormatSpan& span : format.spans) {
        FUZZ_CHECK(span.length > 0);
        const auto start = static_cast<std::size_t>(span.start);
        FUZZ_CHECK(start >= previousEnd);
        previousEnd = start + static_cast<std::size_t>(span.length);
        // Spans come in the order of the text, so their lines do too.
        while (line != lines.end() && line->position + line->viewLength() < start)
            ++line;
        FUZZ_CHECK(line != lines.end());
        FUZZ_CHECK(start >= line->position && previousEnd <= line->position + line->length);
    }
    FUZZ_CHECK(format.seeAlsoButtonEnabled <= !format.seeAlsoMenu.empty());
    // Every position of a short text, a spread of them in a long one.
    const std::size_t step = std::max<std::size_t>(1, viewLength / 1024);
    for (std::size_t position = 0; position <= viewLength; position += step)
        FUZZ_CHECK(zelt::PositionOfByteOffset(lines, zelt::ByteOffsetOfPosition(lines, position)) ==
                   position);
    return 0;
}
