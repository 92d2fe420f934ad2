#include "settings/windows_registry_store.h"

#include "base/windows_headers.h"
#include "base/windows_text.h"

#include <cstring>
#include <cwchar>
#include <type_traits>

namespace zelt {

namespace {

class KeyHandle {
public:
    KeyHandle() = default;
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    ~KeyHandle()
    {
        if (m_handle)
            RegCloseKey(m_handle);
    }
    HKEY* out() { return &m_handle; }
    HKEY get() const { return m_handle; }

private:
    HKEY m_handle = nullptr;
};

bool SetValue(HKEY key, const std::wstring& name, DWORD type, const void* data, std::size_t size)
{
    return RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool SetText(HKEY key, const std::wstring& name, DWORD type, std::string_view text)
{
    const std::wstring wide = WideFromUtf8(text);
    return SetValue(key, name, type, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

} // namespace

std::optional<StoredValue> WindowsRegistryStore::read(std::string_view key, std::string_view name)
{
    KeyHandle handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), 0, KEY_QUERY_VALUE,
                      handle.out()) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring wideName = WideFromUtf8(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(handle.get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (RegQueryValueExW(handle.get(), wideName.c_str(), nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);

    switch (type) {
    case REG_DWORD: {
        if (data.size() != sizeof(DWORD))
            return std::nullopt;
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        return Dword{number};
    }
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring wide(data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(wide.data(), data.data(), wide.size() * sizeof(wchar_t));
        wide.resize(std::wcslen(wide.c_str()));
        std::string text = Utf8FromWide(wide);
        if (type == REG_SZ)
            return Text{std::move(text)};
        return ExpandText{std::move(text)};
    }
    case REG_BINARY:
        return Binary{std::move(data)};
    default:
        return std::nullopt;
    }
}

bool WindowsRegistryStore::write(std::string_view key, std::string_view name,
                                 const StoredValue& value)
{
    KeyHandle handle;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, handle.out(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring wideName = WideFromUtf8(name);
    return std::visit(
        [&](const auto& v) {
            using Kind = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<Kind, Dword>) {
                const DWORD number = v.value;
                return SetValue(handle.get(), wideName, REG_DWORD, &number, sizeof number);
            } else if constexpr (std::is_same_v<Kind, Text>) {
                return SetText(handle.get(), wideName, REG_SZ, v.value);
            } else if constexpr (std::is_same_v<Kind, ExpandText>) {
                return SetText(handle.get(), wideName, REG_EXPAND_SZ, v.value);
            } else {
                return SetValue(handle.get(), wideName, REG_BINARY, v.bytes.data(), v.bytes.size());
            }
        },
        value);
}

void WindowsRegistryStore::deleteKey(std::string_view key)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str());
}

} // namespace zelt
