#pragma once

#include "list/topic_table.h"

#include <QColor>
#include <QFont>

class QPainter;
class QRect;

namespace zelt {

inline const QColor Teal(0, 128, 128);
inline const QColor DisabledGrey(128, 128, 128);

// A fixed-pitch font holding every glyph of code page 437.
QFont OemGlyphFont();

// The small teal box with a category character, as the category box and the
// grid draw it; code 255 is a white square (all categories). The box spans
// (left + 1, top + 1) to (left + 15, bottom - 1) of the given cell rectangle.
void DrawCategoryCharBox(QPainter& painter, const QRect& cell, CategoryChar category,
                         bool disabled);

} // namespace zelt
