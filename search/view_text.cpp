#include "search/view_text.h"

namespace zelt {

std::string ViewSearchText(std::string_view shown)
{
    std::string text;
    text.reserve(shown.size());
    for (std::size_t at = 0; at < shown.size(); ++at) {
        const char c = shown[at];
        if (c == '\r' && at + 1 < shown.size() && shown[at + 1] == '\n')
            continue;
        text += c == '\r' ? '\n' : c;
    }
    return text;
}

} // namespace zelt
