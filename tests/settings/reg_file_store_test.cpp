#include "settings/reg_file_store.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

const std::string Key = "Software\\Vantrel\\ZELT Viewer\\1\\Config";

std::string Regedit(std::initializer_list<std::string_view> lines)
{
    return "REGEDIT4\r\n" + DosLines(lines);
}

TEST(RegFileStore, RoundTripThroughTheFile)
{
    TempDir dir;
    const fs::path file = dir.path() / "deep" / "er" / "settings.reg";
    {
        RegFileStore store(file);
        ASSERT_TRUE(store.write(Key, "Dword", Dword{0xFFFFFFFF}));
        ASSERT_TRUE(store.write(Key, "Text", Text{"\xC3\xA4 \\\" \x81\xFE"}));
        ASSERT_TRUE(store.write(Key, "Empty", Text{}));
        ASSERT_TRUE(store.write(Key, "Blob", Binary{std::vector<std::uint8_t>(300, 0xA5)}));
        ASSERT_TRUE(store.commit());
    }
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));
    RegFileStore again(file);
    EXPECT_EQ(again.read(Key, "dword"), StoredValue{Dword{0xFFFFFFFF}});
    EXPECT_EQ(again.read(Key, "Text"), StoredValue{Text{"\xC3\xA4 \\\" \x81\xFE"}});
    EXPECT_EQ(again.read(Key, "Empty"), StoredValue{Text{}});
    EXPECT_EQ(again.read(Key, "Blob"), StoredValue{Binary{std::vector<std::uint8_t>(300, 0xA5)}});
    EXPECT_EQ(again.read(Key, "Missing"), std::nullopt);
    EXPECT_EQ(again.read("Software\\Other", "Dword"), std::nullopt);
}

TEST(RegFileStore, KeepsOtherKeysAndTheFilesSpelling)
{
    TempDir dir;
    const std::string foreign = "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                                "; their note\r\n"
                                "@=\"default\"\r\n"
                                "\"Multi\"=hex(7):41,00,00,00,\\\r\n"
                                "  00,00\r\n";
    const std::string machine =
        "[HKEY_LOCAL_MACHINE\\Software\\Vantrel\\ZELT Viewer\\1\\Config]\r\n"
        "\"askexit\"=dword:00000007\r\n";
    const std::string ours = "[HKEY_CURRENT_USER\\SOFTWARE\\VANTREL\\ZELT VIEWER\\1\\CONFIG]\r\n";
    const auto file = dir.write("s.reg", "REGEDIT4\r\n\r\n" + foreign + "\r\n" + ours +
                                             "\"askexit\"=dword:00000007\r\n"
                                             "\"Other\"=\"kept\"\r\n\r\n" +
                                             machine);
    RegFileStore store(file);
    EXPECT_EQ(store.read(Key, "AskExit"), StoredValue{Dword{7}});
    ASSERT_TRUE(store.write(Key, "AskExit", Dword{1}));
    ASSERT_TRUE(store.write(Key, "New", Dword{2}));
    ASSERT_TRUE(store.commit());
    EXPECT_EQ(ReadBytes(file), "REGEDIT4\r\n\r\n" + foreign + "\r\n" + ours +
                                   "\"askexit\"=dword:00000001\r\n"
                                   "\"Other\"=\"kept\"\r\n"
                                   "\"New\"=dword:00000002\r\n"
                                   "\r\n" +
                                   machine);
}

TEST(RegFileStore, RefusedValueLeavesTheStoredOne)
{
    TempDir dir;
    const auto file =
        dir.write("s.reg", Regedit({"", "[HKEY_CURRENT_USER\\" + Key + "]", "\"List\"=\"old\""}));
    RegFileStore store(file);
    EXPECT_FALSE(store.write(Key, "List", Text{"new\r\nline"}));
    EXPECT_FALSE(store.write(Key, "Fresh", Text{"a\nb"}));
    EXPECT_EQ(store.read(Key, "List"), StoredValue{Text{"old"}});
    EXPECT_EQ(store.read(Key, "Fresh"), std::nullopt);
}

TEST(RegFileStore, BrokenFileIsSetAsideBeforeTheNextSave)
{
    const std::string brokenFiles[] = {
        std::string("\0\x01\xFF\xFEjunk\r\n\x1A", 10),
        Regedit({"", "[HKEY_CURRENT_USER\\" + Key + "]", "\"AskExit\"=dword:00000001",
                 "\"B\"=hex:01,02,\\"}),
        "[HKEY_CURRENT_USER\\" + Key + "]\r\n\"AskExit\"=dword:00000001\r\n",
    };
    for (const auto& bytes : brokenFiles) {
        TempDir dir;
        const auto file = dir.write("s.reg", bytes);
        RegFileStore store(file);
        EXPECT_TRUE(store.foundBrokenFile());
        EXPECT_EQ(store.read(Key, "AskExit"), std::nullopt);
        EXPECT_EQ(ReadBytes(file), bytes) << "nothing happens before a save";

        ASSERT_TRUE(store.write(Key, "AskExit", Dword{0}));
        ASSERT_TRUE(store.commit());
        EXPECT_EQ(ReadBytes(file + ".broken"), bytes);
        EXPECT_EQ(RegFileStore(file).read(Key, "AskExit"), StoredValue{Dword{0}});
    }
}

#ifndef _WIN32
TEST(RegFileStore, ASettingsFileLinkedIntoAnotherFolderStaysLinked)
{
    TempDir dir;
    fs::create_directory(dir.path() / "dotfiles");
    const std::string junk = "not a settings file";
    const auto real = dir.write("dotfiles/s.reg", junk);
    fs::create_symlink("dotfiles/s.reg", dir.path() / "s.reg");
    RegFileStore store(dir.path() / "s.reg");
    ASSERT_TRUE(store.write(Key, "AskExit", Dword{0}));
    ASSERT_TRUE(store.commit());
    EXPECT_TRUE(fs::is_symlink(dir.path() / "s.reg"));
    EXPECT_EQ(RegFileStore(real).read(Key, "AskExit"), StoredValue{Dword{0}});
    EXPECT_EQ(ReadBytes(real + ".broken"), junk) << "set aside beside the file itself";
}
#endif

TEST(RegFileStore, OversizedFileIsSetAsideUnread)
{
    TempDir dir;
    // Well-formed, but far beyond any settings file of this program.
    std::string bytes =
        Regedit({"", "[HKEY_CURRENT_USER\\" + Key + "]", "\"AskExit\"=dword:00000001"});
    const std::string padding = "; " + std::string(1000, 'x') + "\r\n";
    while (bytes.size() <= MaxSettingsFileBytes)
        bytes += padding;
    const auto file = dir.write("s.reg", bytes);
    RegFileStore store(file);
    EXPECT_TRUE(store.foundBrokenFile());
    EXPECT_EQ(store.read(Key, "AskExit"), std::nullopt);

    ASSERT_TRUE(store.write(Key, "AskExit", Dword{0}));
    ASSERT_TRUE(store.commit());
    EXPECT_EQ(ReadBytes(file + ".broken"), bytes);
    EXPECT_EQ(RegFileStore(file).read(Key, "AskExit"), StoredValue{Dword{0}});
}

TEST(RegFileStore, EarlierBrokenCopiesAreNotOverwritten)
{
    TempDir dir;
    dir.write("s.reg.broken", "first");
    dir.write("s.reg.broken.1", "second");
    const auto file = dir.write("s.reg", "third");
    RegFileStore store(file);
    ASSERT_TRUE(store.write(Key, "A", Dword{1}));
    ASSERT_TRUE(store.commit());
    EXPECT_EQ(ReadBytes(dir.path() / "s.reg.broken"), "first");
    EXPECT_EQ(ReadBytes(dir.path() / "s.reg.broken.1"), "second");
    EXPECT_EQ(ReadBytes(dir.path() / "s.reg.broken.2"), "third");
}

TEST(RegFileStore, EmptyFileIsAnEmptyStoreNotABrokenOne)
{
    TempDir dir;
    const auto file = dir.write("s.reg", "");
    RegFileStore store(file);
    EXPECT_FALSE(store.foundBrokenFile());
    ASSERT_TRUE(store.write(Key, "A", Dword{1}));
    ASSERT_TRUE(store.commit());
    EXPECT_FALSE(fs::exists(file + ".broken"));
}

TEST(RegFileStore, CommitFailsWithoutDamage)
{
    TempDir dir;
    // The path is a folder: never replaced.
    fs::create_directory(dir.path() / "folder.reg");
    dir.write("folder.reg/inside", "x");
    RegFileStore onFolder(dir.path() / "folder.reg");
    ASSERT_TRUE(onFolder.write(Key, "A", Dword{1}));
    EXPECT_FALSE(onFolder.commit());
    EXPECT_EQ(ReadBytes(dir.path() / "folder.reg" / "inside"), "x");

    // A parent that is a file.
    dir.write("plain", "data");
    RegFileStore underFile(dir.path() / "plain" / "s.reg");
    ASSERT_TRUE(underFile.write(Key, "A", Dword{1}));
    EXPECT_FALSE(underFile.commit());
    EXPECT_EQ(ReadBytes(dir.path() / "plain"), "data");

    // Nothing changed, nothing to write.
    EXPECT_TRUE(RegFileStore(dir.path() / "plain" / "t.reg").commit());
}

#ifndef _WIN32 // the user store is the registry there
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name)
        : m_name(name)
    {
        if (const char* value = std::getenv(name))
            m_saved = value;
    }
    ~EnvironmentGuard()
    {
        if (m_saved)
            ::setenv(m_name, m_saved->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(RegFileStore, DefaultPathFollowsTheConfigHome)
{
    EnvironmentGuard config("XDG_CONFIG_HOME");
    EnvironmentGuard home("HOME");
    ::setenv("HOME", "/home/zoe", 1);
    const fs::path fallback = "/home/zoe/.config/Vantrel/ZELT Viewer.reg";

    ::setenv("XDG_CONFIG_HOME", "/srv/cfg", 1);
    EXPECT_EQ(DefaultSettingsFilePath(), fs::path("/srv/cfg/Vantrel/ZELT Viewer.reg"));
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(DefaultSettingsFilePath(), fallback);
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(DefaultSettingsFilePath(), fallback);
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsFilePath(), fallback);
}

TEST(RegFileStore, UserStoreLivesInTheConfigHome)
{
    EnvironmentGuard config("XDG_CONFIG_HOME");
    TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    auto store = OpenUserSettingsStore();
    ASSERT_TRUE(store->write(Key, "A", Dword{1}));
    ASSERT_TRUE(store->commit());
    EXPECT_EQ(ReadBytes(dir.path() / "Vantrel" / "ZELT Viewer.reg"),
              Regedit({"", "[HKEY_CURRENT_USER\\" + Key + "]", "\"A\"=dword:00000001"}));
}

#endif

} // namespace
} // namespace zelt::test
