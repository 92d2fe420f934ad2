#include "settings/reg_document.h"

#include "base/ascii_text.h"

namespace zelt {

namespace {

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = LowerAscii(c);
    return lowered;
}

} // namespace

RegEntry* RegKey::findValue(std::string_view name)
{
    const auto found = m_values.find(Lowered(name));
    return found == m_values.end() ? nullptr : &*found->second;
}

void RegKey::putValue(std::string_view name, std::optional<StoredValue> value,
                      std::vector<std::string> lines)
{
    const auto [found, added] = m_values.try_emplace(Lowered(name));
    if (added) {
        found->second = m_entries.insert(
            m_entries.end(), {true, std::string(name), std::move(value), std::move(lines)});
        return;
    }
    found->second->value = std::move(value);
    found->second->lines = std::move(lines);
}

void RegKey::eraseValue(std::string_view name)
{
    const auto found = m_values.find(Lowered(name));
    if (found == m_values.end())
        return;
    m_entries.erase(found->second);
    m_values.erase(found);
}

void RegKey::addComment(std::string line)
{
    m_entries.push_back({false, {}, {}, {std::move(line)}});
}

RegKey* RegDocument::findKey(std::string_view path)
{
    const auto found = m_byPath.find(Lowered(path));
    return found == m_byPath.end() ? nullptr : &*found->second;
}

RegKey& RegDocument::keyFor(std::string_view path)
{
    const auto [found, added] = m_byPath.try_emplace(Lowered(path));
    if (added)
        found->second = m_keys.emplace(m_keys.end(), std::string(path));
    return *found->second;
}

bool RegDocument::removeKeyTree(std::string_view path)
{
    const std::string key = Lowered(path);
    const std::string below = key + '\\';
    bool removed = false;
    auto remove = [&](auto at) {
        m_keys.erase(at->second);
        removed = true;
        return m_byPath.erase(at);
    };
    if (const auto found = m_byPath.find(key); found != m_byPath.end())
        remove(found);
    for (auto at = m_byPath.lower_bound(below);
         at != m_byPath.end() && std::string_view(at->first).starts_with(below);)
        at = remove(at);
    return removed;
}

} // namespace zelt
