#include "settings/value_codec.h"

#include <bit>

namespace zelt {

namespace {

constexpr std::size_t RealSize = 8;
constexpr std::size_t RectSize = 16;
constexpr std::size_t DockPlaceSize = 28;
constexpr int DockShown = 1;
constexpr int DockFloating = 2;

const std::vector<std::uint8_t>* BytesOf(const std::optional<StoredValue>& value, std::size_t size)
{
    const auto* binary = value ? std::get_if<Binary>(&*value) : nullptr;
    return binary && binary->bytes.size() == size ? &binary->bytes : nullptr;
}

std::uint64_t LittleEndian(const std::uint8_t* bytes, std::size_t count)
{
    std::uint64_t number = 0;
    for (std::size_t i = count; i-- > 0;)
        number = (number << 8) | bytes[i];
    return number;
}

void AppendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint64_t number, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, number >>= 8)
        bytes.push_back(static_cast<std::uint8_t>(number & 0xFF));
}

int SignedFrom(std::uint32_t number)
{
    return static_cast<int>(std::bit_cast<std::int32_t>(number));
}

int SignedAt(const std::vector<std::uint8_t>& bytes, std::size_t index)
{
    return SignedFrom(static_cast<std::uint32_t>(LittleEndian(bytes.data() + index * 4, 4)));
}

void AppendSigned(std::vector<std::uint8_t>& bytes, int number)
{
    AppendLittleEndian(bytes, std::bit_cast<std::uint32_t>(static_cast<std::int32_t>(number)), 4);
}

} // namespace

std::optional<bool> FlagFrom(const std::optional<StoredValue>& value)
{
    const auto* dword = value ? std::get_if<Dword>(&*value) : nullptr;
    return dword ? std::optional<bool>(dword->value != 0) : std::nullopt;
}

std::optional<int> IntegerFrom(const std::optional<StoredValue>& value)
{
    const auto* dword = value ? std::get_if<Dword>(&*value) : nullptr;
    return dword ? std::optional<int>(SignedFrom(dword->value)) : std::nullopt;
}

std::optional<double> RealFrom(const std::optional<StoredValue>& value)
{
    const auto* bytes = BytesOf(value, RealSize);
    if (!bytes)
        return std::nullopt;
    return std::bit_cast<double>(LittleEndian(bytes->data(), RealSize));
}

std::optional<Rect> RectFrom(const std::optional<StoredValue>& value)
{
    const auto* bytes = BytesOf(value, RectSize);
    if (!bytes)
        return std::nullopt;
    return Rect{SignedAt(*bytes, 0), SignedAt(*bytes, 1), SignedAt(*bytes, 2), SignedAt(*bytes, 3)};
}

std::optional<DockPlace> DockPlaceFrom(const std::optional<StoredValue>& value)
{
    const auto* bytes = BytesOf(value, DockPlaceSize);
    if (!bytes)
        return std::nullopt;
    const int flags = SignedAt(*bytes, 0);
    const int side = SignedAt(*bytes, 1);
    const int extent = SignedAt(*bytes, 2);
    if (side < 0 || side > static_cast<int>(DockSide::Right) || extent < 0)
        return std::nullopt;
    return DockPlace{
        (flags & DockShown) != 0, (flags & DockFloating) != 0, static_cast<DockSide>(side), extent,
        Rect{SignedAt(*bytes, 3), SignedAt(*bytes, 4), SignedAt(*bytes, 5), SignedAt(*bytes, 6)}};
}

std::optional<std::string> TextFrom(const std::optional<StoredValue>& value)
{
    if (!value)
        return std::nullopt;
    if (const auto* text = std::get_if<Text>(&*value))
        return text->value;
    if (const auto* text = std::get_if<ExpandText>(&*value))
        return text->value;
    return std::nullopt;
}

StoredValue FlagValue(bool flag)
{
    return Dword{flag ? 1u : 0u};
}

StoredValue IntegerValue(int number)
{
    return Dword{std::bit_cast<std::uint32_t>(static_cast<std::int32_t>(number))};
}

StoredValue RealValue(double number)
{
    Binary binary;
    AppendLittleEndian(binary.bytes, std::bit_cast<std::uint64_t>(number), RealSize);
    return binary;
}

StoredValue RectValue(const Rect& rect)
{
    Binary binary;
    for (const int side : {rect.left, rect.top, rect.right, rect.bottom})
        AppendSigned(binary.bytes, side);
    return binary;
}

StoredValue DockPlaceValue(const DockPlace& place)
{
    Binary binary;
    AppendSigned(binary.bytes,
                 (place.visible ? DockShown : 0) | (place.floating ? DockFloating : 0));
    AppendSigned(binary.bytes, static_cast<int>(place.side));
    AppendSigned(binary.bytes, place.extent);
    const Rect& r = place.floatingBounds;
    for (const int side : {r.left, r.top, r.right, r.bottom})
        AppendSigned(binary.bytes, side);
    return binary;
}

StoredValue TextValue(std::string_view text)
{
    return Text{std::string(text)};
}

} // namespace zelt
