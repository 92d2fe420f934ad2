#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// The program's help file, a text file of topics keyed by context number
// (docs/help-file-format.md). Titles and bodies are UTF-8; bodies are Markdown.
struct HelpTopic {
    int context = 0;
    std::string title;
    std::string body;
};

class HelpFile {
public:
    HelpFile() = default;
    explicit HelpFile(std::vector<HelpTopic> topics);

    // Nothing when the file has no topic of that number.
    const HelpTopic* find(int context) const;
    const std::vector<HelpTopic>& topics() const { return m_topics; }

private:
    std::vector<HelpTopic> m_topics; // in the order of the file
};

// Beside the program's executable.
inline constexpr char HelpFileName[] = "ZELTVIEW.HLP";
inline constexpr std::string_view HelpFileSignature = "ZELTHELP 1";

// Bounds that keep a damaged file from exhausting the program: the whole
// file, any one line, and a topic's body, whose rendering time grows with its
// length. A file beyond one of them is damaged.
inline constexpr std::size_t HelpFileSizeLimit = 4 * 1024 * 1024;
inline constexpr std::size_t HelpLineLengthLimit = 4096;
inline constexpr std::size_t HelpTopicSizeLimit = 8 * 1024;

// Why a text is no help file: the first line at fault and what is wrong there.
struct HelpSyntaxError {
    int line = 0;
    std::string reason;

    friend bool operator==(const HelpSyntaxError&, const HelpSyntaxError&) = default;
};

struct HelpParse {
    std::optional<HelpFile> file;
    HelpSyntaxError error; // when there is no file
};

HelpParse ParseHelpFile(std::string_view text);

// Reading the file from disk: it is read again for every request, so a file
// changed or removed while the program runs is seen as it is now.
struct HelpLoad {
    enum class Problem { None, Missing, Unreadable, Malformed };
    std::optional<HelpFile> file;
    Problem problem = Problem::None;
    HelpSyntaxError error; // for Malformed
};

HelpLoad LoadHelpFile(const std::filesystem::path& path);

// What the help window and popups show instead of a topic. The path is as the
// core keeps names (UTF-8).
std::string HelpProblemText(const HelpLoad& load, std::string_view path);
std::string MissingTopicText(int context, std::string_view path);

// The context number a link of a topic body leads to: "1111" or "#1111".
// Nothing for any other link.
std::optional<int> TopicLinkTarget(std::string_view href);

} // namespace zelt
