#pragma once

#include "base/program_version.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// The settings' trips to and from the store, under the version's key.

// Deletes the version's key with Layout and Config; other versions' keys stay.
// Takes effect in the store at once; a failure is ignored.
void ClearStoredSettings(SettingsStore& store, const ProgramVersion& version);

// BoundsRect and WindowState for creating the main window on a screen of the
// given size. A stored Left beyond the screen's width moves to width - 50, a
// Top beyond its height to height - 50; right and bottom stay. Then a window
// wider or higher than the screen shrinks to it, and one with less than 50
// pixels on the screen at the left or top moves in until 50 are. No stored
// rectangle gives 50 pixels in from every edge; no stored state, maximised.
WindowPlacement ReadWindowPlacement(SettingsStore& store, const ProgramVersion& version,
                                    Size screen);

// Every other value. Only values present with the right type replace what the
// records hold; a CoolBar.Bands[0].ID other than 0 or 1 is ignored.
void ReadSettings(SettingsStore& store, const ProgramVersion& version, Settings& settings,
                  StoredLayout& layout);

// Writes every value, then commits. BoundsRect is left as stored while the
// window is maximised; TopicsColWidth comes from the layout. A value the store
// refuses does not stop the others. The result names the first value that did
// not reach the store: the refused one, or the first one written when the
// commit failed and so none arrived; FailedToSetDataMessage makes the
// message of it.
std::optional<std::string> WriteSettings(SettingsStore& store, const ProgramVersion& version,
                                         const Settings& settings, const WindowLayout& layout);

// "Failed to set data for '<name>'".
std::string FailedToSetDataMessage(std::string_view valueName);

// The settings as saved at exit: with ReloadLastOpenList on, DefStartupList
// becomes the list open now (empty when none is).
Settings SettingsForExit(Settings settings, std::string_view listFileName);

} // namespace zelt
