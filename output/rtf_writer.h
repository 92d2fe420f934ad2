#pragma once

#include "output/output_style.h"
#include "output/topic_document.h"

#include <string>

namespace zelt {

// A document as rich text format that word processors and the Windows
// rich-text control open with the view's font, bold titles, underlined labels
// and coloured references. The text is declared as code page 437: a byte above
// 127 is written as its Unicode character with the byte itself as the fallback
// of readers that know no Unicode, a control byte as the symbol the view shows
// for it, and each line break as a paragraph end.
std::string RichTextOf(const TopicDocument& document, const OutputStyle& style);

} // namespace zelt
