#include "settings/utf16_text.h"

#include "base/code_page_437.h"

namespace zelt {

std::optional<std::string> Utf16LeToUtf8(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        std::uint32_t unit = bytes[i] | (bytes[i + 1] << 8);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(text, unit >= 0xD800 && unit < 0xE000 ? U'\uFFFD' : static_cast<char32_t>(unit));
    }
    return text;
}

} // namespace zelt
