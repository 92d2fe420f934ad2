#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelt::test {

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }
    // Names and the paths returned are UTF-8, as the core takes them on every system.
    std::string file(std::string_view name) const;
    std::string write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// A divider line of the usual 60 characters.
std::string Divider(char category, std::string_view identifier, std::size_t width = 60);

// Joins lines, each ended by CR LF.
std::string DosLines(std::initializer_list<std::string_view> lines);

bool RunningAsRoot();

} // namespace zelt::test
