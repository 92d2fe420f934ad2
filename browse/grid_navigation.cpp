#include "browse/grid_navigation.h"

#include <algorithm>

namespace zelt {

std::optional<int> GridKeyTarget(GridKey key, int currentRow, int rowCount, int fullyVisibleRows)
{
    const int lastRow = rowCount - 1;
    int target = currentRow;
    switch (key) {
    case GridKey::Up:
        target = currentRow - 1;
        break;
    case GridKey::Down:
        target = currentRow + 1;
        break;
    case GridKey::PageUp:
        target = std::max(currentRow - fullyVisibleRows - 1, 0);
        break;
    case GridKey::PageDown:
        target = std::min(currentRow + fullyVisibleRows - 1, lastRow);
        break;
    case GridKey::Home:
        target = 0;
        break;
    case GridKey::End:
        target = lastRow;
        break;
    }
    if (target < 0 || target > lastRow)
        return std::nullopt;
    return target;
}

} // namespace zelt
