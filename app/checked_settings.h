#pragma once

#include "base/program_version.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <optional>

namespace zelt {

// ReadSettings, with every number held to what the main window can draw on a
// screen of the given size: the widths of the topics column and of the tool
// bar bands from 0 to the screen's width, TopicsHeightPerc from 0 to 1 (the
// default for a value that is no number), the topic font's size to the sizes
// the font dialog offers. The window writes back what it shows, so the
// checked values are also the ones stored at exit.
void ReadCheckedSettings(SettingsStore& store, const ProgramVersion& version, Settings& settings,
                         StoredLayout& layout, Size screen);

} // namespace zelt
