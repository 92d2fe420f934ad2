#pragma once

#include <optional>

namespace zelt {

// The keys the topics grid handles itself; every other key is left to it.
enum class GridKey { Up, Down, PageUp, PageDown, Home, End };

// The row a handled key moves to, nothing when the row stays as it is. Page
// Up moves by the fully visible rows plus one and Page Down by them minus
// one, each stopping at the first or last row. The key is consumed and the
// click behaviour runs once whether or not the row changes.
std::optional<int> GridKeyTarget(GridKey key, int currentRow, int rowCount, int fullyVisibleRows);

} // namespace zelt
