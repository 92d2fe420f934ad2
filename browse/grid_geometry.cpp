#include "browse/grid_geometry.h"

#include "browse/pane_layout.h"

namespace zelt {

int GridRowHeight(int fontPointSize, int pixelsPerInch) noexcept
{
    return RoundHalfToEven(static_cast<double>(fontPointSize) * pixelsPerInch / 96.0) + 9;
}

int CategoryItemHeight(int pixelsPerInch) noexcept
{
    return RoundHalfToEven(15.0 * pixelsPerInch / 96.0);
}

PixelPoint IdentifierTextOrigin(const PixelRect& cell, bool showCategoryChar) noexcept
{
    return {cell.left + (showCategoryChar ? 18 : 2), cell.top + 1};
}

PixelPoint TitleTextOrigin(const PixelRect& cell) noexcept
{
    return {cell.left + 2, cell.top + 1};
}

PixelRect WidenedTitleCell(const PixelRect& cell) noexcept
{
    return {cell.left, cell.top, cell.right + 1, cell.bottom};
}

PixelRect CategoryBoxRect(const PixelRect& cell) noexcept
{
    return {cell.left + 1, cell.top + 1, cell.left + 15, cell.bottom - 1};
}

PixelPoint CategoryCharOrigin(const PixelRect& cell) noexcept
{
    return {cell.left + 5, cell.top + (cell.bottom - cell.top) / 2 - 3};
}

Rgb OutlineDotColour(int coordinate, Rgb highlight, Rgb window) noexcept
{
    return coordinate % 2 != 0 ? Complement(highlight) : Complement(window);
}

int OutlineRightEdge(const PixelRect& titleCell, int gridWidth, int gridClientWidth) noexcept
{
    return titleCell.right - (gridWidth - gridClientWidth) - 1;
}

} // namespace zelt
