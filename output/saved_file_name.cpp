#include "output/saved_file_name.h"

#include "base/ascii_text.h"

namespace zelt {

SaveFormat SaveFormatOf(std::string_view fileName) noexcept
{
    const std::string_view name = FileNameOf(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return SaveFormat::RichText;
    return EqualsIgnoringCase(name.substr(dot + 1), "txt") ? SaveFormat::PlainText
                                                           : SaveFormat::RichText;
}

std::string PresetTopicFileName(std::string_view identifier, std::int32_t topicNumber)
{
    if (!identifier.empty())
        return std::string(identifier) + ".txt";
    return "Topic" + std::to_string(static_cast<std::int64_t>(topicNumber) + 1) + ".txt";
}

} // namespace zelt
