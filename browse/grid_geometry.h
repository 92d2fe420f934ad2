#pragma once

#include <cstdint>

namespace zelt {

// Pixel geometry and colours of the owner-drawn topics grid and category box,
// at the screen's pixels per inch.

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb CategoryBoxColour{0, 128, 128};
inline constexpr Rgb CategoryCharColour{255, 255, 255};

constexpr Rgb Complement(Rgb colour) noexcept
{
    return {static_cast<std::uint8_t>(255 - colour.red),
            static_cast<std::uint8_t>(255 - colour.green),
            static_cast<std::uint8_t>(255 - colour.blue)};
}

// Rows follow the view font: 17 pixels for 8 point at 96 pixels per inch.
int GridRowHeight(int fontPointSize, int pixelsPerInch) noexcept;

// Height of a category box entry with its character box.
int CategoryItemHeight(int pixelsPerInch) noexcept;

// Where a cell's text starts. The identifier leaves room for the category
// character box when that is shown.
PixelPoint IdentifierTextOrigin(const PixelRect& cell, bool showCategoryChar) noexcept;
PixelPoint TitleTextOrigin(const PixelRect& cell) noexcept;

// The title cell is drawn one pixel wider, over the column's right edge.
PixelRect WidenedTitleCell(const PixelRect& cell) noexcept;

PixelRect CategoryBoxRect(const PixelRect& cell) noexcept;
PixelPoint CategoryCharOrigin(const PixelRect& cell) noexcept;

// The focused row's dotted outline alternates per pixel: the complement of
// the highlight colour on odd coordinates, of the window colour on even ones.
Rgb OutlineDotColour(int coordinate, Rgb highlight, Rgb window) noexcept;

// The x of the outline's right edge in the title column: the client area's
// right edge, left of the vertical scroll bar.
int OutlineRightEdge(const PixelRect& titleCell, int gridWidth, int gridClientWidth) noexcept;

} // namespace zelt
