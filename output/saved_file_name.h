#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelt {

enum class SaveFormat { PlainText, RichText };

// A saved topic is plain text when the extension of the file's name (after
// its last dot) is "txt" in any letter case, and rich text otherwise, also
// when the name has no extension.
SaveFormat SaveFormatOf(std::string_view fileName) noexcept;

// The name the save dialog proposes: the topic's identifier and ".txt", or
// for a topic without identifier "Topic", its number counted from 1 and ".txt".
std::string PresetTopicFileName(std::string_view identifier, std::int32_t topicNumber);

} // namespace zelt
