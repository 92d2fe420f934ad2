#include "list/list_menu.h"

#include "base/ascii_text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zelt {

namespace {

struct KnownListKey {
    std::string_view name;
    std::string_view shortcut;
};

constexpr std::array<KnownListKey, 6> KnownListKeys{{
    {"INTERRUP.LST", "Shift+I"},
    {"PORTS.LST", "Shift+P"},
    {"MEMORY.LST", "Shift+M"},
    {"CMOS.LST", "Shift+C"},
    {"FARCALL.LST", "Shift+F"},
    {"OPCODES.LST", "Shift+O"},
}};

constexpr std::string_view DefaultList = "INTERRUP.LST";

bool IsSideList(std::string_view name)
{
    return EqualsIgnoringCase(name, "86BUGS.LST") || EqualsIgnoringCase(name, "GLOSSARY.LST");
}

// Folding to lower case puts '_' and the other codes between 'Z' and 'a'
// before the letters, as a locale's ordering does. Names equal but for case
// (possible on a case-sensitive file system) keep a fixed order.
bool NameLess(const std::string& a, const std::string& b)
{
    const auto folded = [](char c) { return static_cast<unsigned char>(LowerAscii(c)); };
    const auto lessFolded = [&](char x, char y) { return folded(x) < folded(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lessFolded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lessFolded))
        return false;
    return a < b;
}

std::string DisplayCaption(std::string_view name)
{
    std::string caption(name);
    for (std::size_t i = 0; i < caption.size(); ++i)
        caption[i] = i == 0 ? UpperAscii(caption[i]) : LowerAscii(caption[i]);
    return caption;
}

std::string NameBytes(const std::filesystem::path& name)
{
#ifdef _WIN32
    const std::u8string utf8 = name.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return name.string();
#endif
}

} // namespace

bool IsListFileName(std::string_view name) noexcept
{
    constexpr std::string_view extension = ".LST";
    return name.size() >= extension.size() &&
           EqualsIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

std::vector<std::string> ListFilesInFolder(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string name = NameBytes(it->path().filename());
        if (IsListFileName(name))
            names.push_back(std::move(name));
    }
    return names;
}

std::vector<ListMenuEntry> BuildListMenuEntries(std::vector<std::string> fileNames,
                                                bool displayAllLists)
{
    if (!displayAllLists)
        std::erase_if(fileNames, [](const std::string& name) { return IsSideList(name); });
    std::sort(fileNames.begin(), fileNames.end(), NameLess);
    if (fileNames.size() > MaxListMenuEntries)
        fileNames.resize(MaxListMenuEntries);

    std::vector<ListMenuEntry> entries;
    entries.reserve(fileNames.size());
    for (std::size_t k = 0; k < fileNames.size(); ++k) {
        ListMenuEntry entry;
        entry.caption = DisplayCaption(fileNames[k]);
        entry.fileName = std::move(fileNames[k]);
        entry.componentName = std::string(ListEntryNamePrefix) + std::to_string(k);
        entry.hint = "Open " + entry.caption;
        // One key opens one file: of names that differ only in case, the
        // first takes the shortcut and the bold face.
        const bool firstOfItsName =
            k == 0 || !EqualsIgnoringCase(entries.back().fileName, entry.fileName);
        for (const KnownListKey& known : KnownListKeys) {
            if (firstOfItsName && EqualsIgnoringCase(entry.fileName, known.name))
                entry.shortcut = known.shortcut;
        }
        entry.isDefault = firstOfItsName && EqualsIgnoringCase(entry.fileName, DefaultList);
        entries.push_back(std::move(entry));
    }
    return entries;
}

MarkTarget MarkListMenu(const std::vector<ListMenuEntry>& entries, std::string_view listDirectory,
                        std::string_view fileName)
{
    if (entries.empty())
        return {};
    // An exact match first: a case-sensitive folder may hold both PORTS.LST and ports.lst.
    std::optional<std::size_t> matchIgnoringCase;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string path = std::string(listDirectory) + entries[k].fileName;
        if (path == fileName)
            return {MarkTarget::Kind::Entry, k};
        if (!matchIgnoringCase && EqualsIgnoringCase(path, fileName))
            matchIgnoringCase = k;
    }
    if (matchIgnoringCase)
        return {MarkTarget::Kind::Entry, *matchIgnoringCase};
    return {MarkTarget::Kind::Other, 0};
}

} // namespace zelt
