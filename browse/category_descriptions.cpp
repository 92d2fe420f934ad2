#include "browse/category_descriptions.h"

#include "base/ascii_text.h"
#include "base/program_data.h"
#include "list/file_entry.h"

#include <array>

namespace zelt {

namespace {

constexpr std::array<std::string_view, 50> BuiltInLines{
    "#33=Information",
    "#42=Not classified",
    "#45=Uncategorized",
    "",
    "#65=Applications",
    "#66=BIOS",
    "#67=CPU-generated",
    "#68=DOS kernel",
    "#69=DOS extenders",
    "#70=FAX",
    "#71=Debuggers/debugging tools",
    "#72=Hardware",
    "#73=IBM workstation/terminal emulators",
    "#74=Japanese",
    "#75=Keyboard enhancers",
    "#77=Mouse/pointing device",
    "#78=Network",
    "#79=Other operating systems",
    "#80=Printer enhancements",
    "#81=DESQview/TopView and Quarterdeck programs",
    "#82=Remote control/file access",
    "#83=Serial I/O",
    "#84=DOS-based task switchers/multitaskers",
    "#85=Resident utilities",
    "#86=Video",
    "#87=MS Windows",
    "#88=Expansion bus BIOSes",
    "",
    "#97=Access software (screen readers, etc)",
    "#98=Vendor-specific BIOS extensions",
    "#99=Caches/spoolers",
    "#100=Disk I/O enhancements",
    "#101=Electronic mail",
    "#102=File manipulation",
    "#103=Games",
    "#104=Vendor-specific hardware",
    "#105=System info/monitoring",
    "#106=Joke programs",
    "#107=File/disk compression",
    "#108=Shells/command interpreters",
    "#109=Memory management",
    "#110=Non-traditional input devices",
    "#112=Power management",
    "#114=Runtime support",
    "#115=Sound/speech",
    "#116=TSR libraries",
    "#117=Emulators",
    "#118=Virus/antivirus",
    "#120=Non-volatile config storage",
    "#121=Security",
};

// Lines end in CR LF, LF or a lone CR; a break at the very end opens no
// further line.
std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(begin));
            break;
        }
        lines.emplace_back(text.substr(begin, end - begin));
        begin = end + 1;
        if (text[end] == '\r' && begin < text.size() && text[begin] == '\n')
            ++begin;
    }
    return lines;
}

} // namespace

CategoryDescriptions::CategoryDescriptions(std::vector<std::string> lines)
    : m_lines(std::move(lines))
{}

CategoryDescriptions CategoryDescriptions::BuiltIn()
{
    return CategoryDescriptions(std::vector<std::string>(BuiltInLines.begin(), BuiltInLines.end()));
}

std::optional<CategoryDescriptions>
CategoryDescriptions::FromFile(const std::filesystem::path& path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return CategoryDescriptions(SplitLines(*bytes));
}

CategoryDescriptions
CategoryDescriptions::FromDataFolders(const std::vector<std::filesystem::path>& folders)
{
    const auto file = FindProgramDataFile(folders, CategoryDescriptionFileName);
    auto fromFile = file ? FromFile(*file) : std::nullopt;
    return fromFile ? std::move(*fromFile) : BuiltIn();
}

std::string CategoryDescriptions::describe(CategoryChar code) const
{
    const std::string key = "#" + std::to_string(code);
    for (const std::string& line : m_lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos ||
            !EqualsIgnoringCase(std::string_view(line).substr(0, equals), key))
            continue;
        if (equals + 1 == line.size())
            break;
        return line.substr(equals + 1, CategoryDescriptionLengthLimit);
    }
    return std::string(UnknownCategoryDescription);
}

} // namespace zelt
