#pragma once

#include "output/output_style.h"
#include "output/topic_document.h"

#include <string>

namespace zelt {

// A document as an HTML page in UTF-8 for the clipboard: one preformatted
// block in the view's font, titles bold and labels underlined in the highlight
// colour, references in their colours; every character as the view shows it.
std::string HtmlOf(const TopicDocument& document, const OutputStyle& style);

} // namespace zelt
