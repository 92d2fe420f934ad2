#include "base/version_resource.h"

#include "base/windows_headers.h"
#include "base/windows_text.h"

#include <vector>

namespace zelt {

std::optional<std::string> ReadFileVersionText(const std::filesystem::path& programFile)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(programFile.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<std::byte> info(size);
    if (!GetFileVersionInfoW(programFile.c_str(), 0, size, info.data()))
        return std::nullopt;
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\StringFileInfo\\040904E4\\FileVersion", &text, &length) ||
        text == nullptr)
        return std::nullopt;
    const std::wstring_view wide(static_cast<const wchar_t*>(text), length);
    // The length counts the terminating zero when there is one.
    return Utf8FromWide(wide.substr(0, wide.find(L'\0')));
}

std::filesystem::path RunningProgramFile()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

} // namespace zelt
