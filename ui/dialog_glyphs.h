#pragma once

#include <QIcon>

namespace zelt {

// The 16 x 16 glyphs of the configuration dialog's flat buttons.
QIcon BrowseGlyph();
QIcon FontGlyph();

} // namespace zelt
