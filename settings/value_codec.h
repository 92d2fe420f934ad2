#pragma once

#include "settings/settings_store.h"
#include "settings/window_layout.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// The kinds of setting and their stored forms. A reader gives nullopt for a
// missing value and for one of the wrong type or size, which then counts as
// absent, so a damaged store never stops the program from starting.

// DWORD; any non-zero number is true.
std::optional<bool> FlagFrom(const std::optional<StoredValue>& value);
// DWORD as a signed 32-bit number.
std::optional<int> IntegerFrom(const std::optional<StoredValue>& value);
// Exactly 8 binary bytes: an IEEE 754 double, little-endian.
std::optional<double> RealFrom(const std::optional<StoredValue>& value);
// Exactly 16 binary bytes: left, top, right, bottom as signed 32-bit
// little-endian numbers. Fewer bytes would leave part of the rectangle
// undefined, so they count as absent just as more do.
std::optional<Rect> RectFrom(const std::optional<StoredValue>& value);
// Exactly 28 binary bytes as signed 32-bit little-endian numbers: flags (1
// shown, 2 floating), side (0 to 3), extent, then the floating bounds as a
// rectangle. Another side or a negative extent counts as absent.
std::optional<DockPlace> DockPlaceFrom(const std::optional<StoredValue>& value);
// REG_SZ, or REG_EXPAND_SZ taken as it is, unexpanded.
std::optional<std::string> TextFrom(const std::optional<StoredValue>& value);

StoredValue FlagValue(bool flag);
StoredValue IntegerValue(int number);
StoredValue RealValue(double number);
StoredValue RectValue(const Rect& rect);
StoredValue DockPlaceValue(const DockPlace& place);
StoredValue TextValue(std::string_view text);

} // namespace zelt
