#include "list/divider_line.h"
#include "sample_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace zelt::test {
namespace {

// Lines any list may share with another because they are layout, not prose:
// divider lines and the '=' rule under a list's heading.
bool IsLayoutLine(std::string_view line)
{
    return IsDividerLine(line) || line.find_first_not_of('=') == std::string_view::npos;
}

// Every list is worded on its own; a long line turning up in two lists means
// a block was carried over instead of written for the list.
TEST(SampleWording, NoLongLineOfOneListStandsInAnother)
{
    constexpr std::size_t longLine = 40;
    std::map<std::string, std::string, std::less<>> firstListOf;
    for (const std::filesystem::path& path : SampleLists()) {
        const std::string name = path.filename().string();
        const std::string bytes = ReadBytes(path);
        for (const std::string_view line : CrLfLines(bytes)) {
            if (line.size() < longLine || IsLayoutLine(line))
                continue;
            const auto [entry, added] = firstListOf.try_emplace(std::string(line), name);
            EXPECT_TRUE(added || entry->second == name)
                << name << " repeats a line of " << entry->second << ": " << line;
        }
    }
}

} // namespace
} // namespace zelt::test
