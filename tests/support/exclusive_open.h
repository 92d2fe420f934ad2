#pragma once

#include <filesystem>

namespace zelt::test {

// Windows only: holds a file open with all sharing denied, the way another
// program can lock a list, so every other open of it fails.
class ExclusiveOpen {
public:
    explicit ExclusiveOpen(const std::filesystem::path& path);
    ~ExclusiveOpen();
    ExclusiveOpen(const ExclusiveOpen&) = delete;
    ExclusiveOpen& operator=(const ExclusiveOpen&) = delete;

private:
    int m_descriptor = -1;
};

} // namespace zelt::test
