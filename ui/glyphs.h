#pragma once

#include <QIcon>

namespace zelt {

// The program's own 16 x 16 command glyphs, painted at run time: 0 open list,
// 1 save, 2 print, 3 copy, 4 select all, 5 find, 6 search again, 7 zoom,
// 8 configuration, 9 previous topic, 10 next topic.
inline constexpr int GlyphCount = 11;

QIcon CommandGlyph(int index);
// The category box's symbol for all categories, on the category button.
QIcon AllCategoriesGlyph();
QIcon ProgramIcon();

} // namespace zelt
