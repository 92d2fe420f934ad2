#include "base/folder_lookup.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

TEST(FindFileInFolder, TakesAnyLetterCaseAndPrefersTheExactSpelling)
{
    struct Case {
        std::string_view asked;
        std::initializer_list<std::string_view> files;
        std::string_view expected; // empty: nothing found
    };
    const Case cases[] = {
        {"PORTS.A", {"PORTS.A"}, "PORTS.A"},
        {"PORTS.A", {"ports.a"}, "ports.a"},
        {"INTPRINT.COM", {"intprint.com", "INTERRUP.LST"}, "intprint.com"},
        {"PORTS.A", {"PORTS.B"}, ""},
#ifndef _WIN32
        {"PORTS.A", {"ports.a", "PORTS.A"}, "PORTS.A"},
        {"PORTS.A", {"ports.a", "Ports.a"}, "Ports.a"},
#endif
    };
    for (const Case& c : cases) {
        const TempDir dir;
        for (const std::string_view file : c.files)
            dir.write(file, "x");
        const auto found = FindFileInFolder(dir.path(), c.asked);
        if (c.expected.empty())
            EXPECT_FALSE(found) << c.asked;
        else // Windows finds the file under the spelling asked for
            EXPECT_TRUE(found && fs::equivalent(*found, dir.path() / std::string(c.expected)))
                << c.asked;
    }
}

TEST(FindFileInFolder, AFolderOfThatNameIsNoFile)
{
    const TempDir dir;
    fs::create_directory(dir.path() / "old.lst");
    EXPECT_FALSE(FindFileInFolder(dir.path(), "OLD.LST"));
    EXPECT_FALSE(FindFileInFolder(dir.path() / "missing", "OLD.LST"));
}

} // namespace
} // namespace zelt::test
