#include "list/list_menu.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace zelt {
namespace {

std::vector<std::string> Files(const std::vector<ListMenuEntry>& entries)
{
    std::vector<std::string> names;
    for (const ListMenuEntry& entry : entries)
        names.push_back(entry.fileName);
    return names;
}

TEST(ListMenu, FirstTwentyInCaseInsensitiveOrder)
{
    std::vector<std::string> names;
    for (char c = 'Y'; c >= 'A'; --c)
        names.push_back(std::string(1, c % 2 ? c : static_cast<char>(c + 32)) + "LIST.LST");
    ASSERT_EQ(names.size(), 25u);
    const auto entries = BuildListMenuEntries(names, false);
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries.front().fileName, "ALIST.LST");
    EXPECT_EQ(entries[1].fileName, "bLIST.LST");
    EXPECT_EQ(entries.back().fileName, "tLIST.LST");
    for (std::size_t k = 0; k < entries.size(); ++k)
        EXPECT_EQ(entries[k].componentName, "ListListFile" + std::to_string(k));
}

TEST(ListMenu, EntryTexts)
{
    const auto entries =
        BuildListMenuEntries({"TABLES.LST", "ports.lst", "INTERRUP.LST", "my_list.LST"}, false);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(Files(entries),
              (std::vector<std::string>{"INTERRUP.LST", "my_list.LST", "ports.lst", "TABLES.LST"}));

    EXPECT_EQ(entries[0].caption, "Interrup.lst");
    EXPECT_EQ(entries[0].hint, "Open Interrup.lst");
    EXPECT_EQ(entries[0].shortcut, "Shift+I");
    EXPECT_TRUE(entries[0].isDefault);
    EXPECT_EQ(entries[1].caption, "My_list.lst");
    EXPECT_EQ(entries[2].caption, "Ports.lst");
    EXPECT_EQ(entries[2].shortcut, "Shift+P");
    EXPECT_FALSE(entries[2].isDefault);
    EXPECT_EQ(entries[3].caption, "Tables.lst");
    EXPECT_EQ(entries[3].shortcut, "");
    EXPECT_FALSE(entries[3].isDefault);

    const auto keyed =
        BuildListMenuEntries({"MEMORY.LST", "CMOS.LST", "FARCALL.LST", "OPCODES.LST"}, false);
    EXPECT_EQ(keyed[0].shortcut, "Shift+C");
    EXPECT_EQ(keyed[1].shortcut, "Shift+F");
    EXPECT_EQ(keyed[2].shortcut, "Shift+M");
    EXPECT_EQ(keyed[3].shortcut, "Shift+O");
}

TEST(ListMenu, SideListsOnlyWhenAllAreDisplayed)
{
    const std::vector<std::string> names{"86bugs.lst", "Glossary.LST", "PORTS.LST"};
    EXPECT_EQ(Files(BuildListMenuEntries(names, false)), (std::vector<std::string>{"PORTS.LST"}));
    EXPECT_EQ(BuildListMenuEntries(names, true).size(), 3u);
    EXPECT_TRUE(BuildListMenuEntries({}, true).empty());
}

TEST(ListMenu, NamesEqualButForCaseShareNoShortcut)
{
    const auto entries = BuildListMenuEntries({"interrup.lst", "INTERRUP.LST"}, false);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].fileName, "INTERRUP.LST");
    EXPECT_EQ(entries[0].shortcut, "Shift+I");
    EXPECT_TRUE(entries[0].isDefault);
    EXPECT_EQ(entries[1].caption, "Interrup.lst");
    EXPECT_EQ(entries[1].shortcut, "");
    EXPECT_FALSE(entries[1].isDefault);
}

TEST(ListMenu, FolderListingMatchesTheExtensionInAnyCase)
{
    test::TempDir dir;
    dir.write("INTERRUP.LST", "");
    dir.write("ports.lst", "");
    dir.write("Memory.Lst", "");
    dir.write("INTERRUP.A", "");
    dir.write("LST", "");
    dir.write("NOTES.LST.BAK", "");
    auto names = ListFilesInFolder(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"INTERRUP.LST", "Memory.Lst", "ports.lst"}));

    EXPECT_TRUE(ListFilesInFolder(dir.path() / "gone").empty());
    test::TempDir empty;
    EXPECT_TRUE(ListFilesInFolder(empty.path()).empty());
}

TEST(ListMenu, MarkTicksTheOpenListsEntry)
{
    const auto entries = BuildListMenuEntries({"INTERRUP.LST", "ports.lst"}, false);
    using Kind = MarkTarget::Kind;

    const auto own = MarkListMenu(entries, "/l/", "/l/interrup.lst");
    EXPECT_EQ(own.kind, Kind::Entry);
    EXPECT_EQ(own.index, 0u);
    const auto ports = MarkListMenu(entries, "/l/", "/l/PORTS.LST");
    EXPECT_EQ(ports.kind, Kind::Entry);
    EXPECT_EQ(ports.index, 1u);

    EXPECT_EQ(MarkListMenu(entries, "/l/", "/other/INTERRUP.LST").kind, Kind::Other);
    EXPECT_EQ(MarkListMenu(entries, "/l/", "INTERRUP.LST").kind, Kind::Other);
    EXPECT_EQ(MarkListMenu({}, "/l/", "/l/INTERRUP.LST").kind, Kind::None);
}

TEST(ListMenu, MarkPrefersTheExactName)
{
    const auto entries = BuildListMenuEntries({"ports.lst", "PORTS.LST"}, false);
    ASSERT_EQ(entries[0].fileName, "PORTS.LST");
    EXPECT_EQ(MarkListMenu(entries, "/l/", "/l/ports.lst").index, 1u);
    EXPECT_EQ(MarkListMenu(entries, "/l/", "/l/PORTS.LST").index, 0u);
    EXPECT_EQ(MarkListMenu(entries, "/l/", "/l/Ports.lst").index, 0u);
}

} // namespace
} // namespace zelt
