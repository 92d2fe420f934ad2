#pragma once

#include "list/list_kind.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelt {

enum class SpanKind {
    Title, // bold, highlight colour
    Label, // underline, highlight colour
    Link,  // green when coloured; marked as a link
    Ref,   // teal when coloured; link mark removed
};

// A range of the topic view to format, in view positions (one per line
// break). Spans never overlap and never leave the line they belong to; they
// are listed in the order of the text.
struct FormatSpan {
    SpanKind kind = SpanKind::Title;
    int start = 0;
    int length = 0;
    // Links and refs take their colour only while topic formatting is on;
    // otherwise they keep the text's colour and only the link mark changes.
    bool coloured = true;

    friend bool operator==(const FormatSpan&, const FormatSpan&) = default;
};

struct FormatOptions {
    ListKind listKind = ListKind::None;
    bool parseDividers = true;
    bool topicFormatting = true;
    bool enabledSeeAlsoMenu = true;
};

// What the view, the see-also menu and its button get for one topic.
struct TopicFormat {
    std::vector<FormatSpan> spans;
    // False for a topic without title: the menu keeps whatever it held.
    // Otherwise the menu is replaced by seeAlsoMenu, which may be empty.
    bool replaceSeeAlsoMenu = false;
    // Captions of the linkable references, in the order they stand.
    std::vector<std::string> seeAlsoMenu;
    bool seeAlsoButtonEnabled = false;
};

// Formats the shown text of a topic (see ShownBytes) with the title of the
// topic shown: the title line, the labels of labelled lines and the
// references of see-also lines.
TopicFormat FormatTopic(std::string_view shown, std::string_view title,
                        const FormatOptions& options);

} // namespace zelt
