#include "app/checked_settings.h"

#include "app/configuration.h"
#include "settings/settings_io.h"

#include <algorithm>
#include <cmath>

namespace zelt {

namespace {

void HoldWithin(std::optional<int>& value, int low, int high)
{
    if (value)
        value = std::clamp(*value, low, high);
}

} // namespace

void ReadCheckedSettings(SettingsStore& store, const ProgramVersion& version, Settings& settings,
                         StoredLayout& layout, Size screen)
{
    ReadSettings(store, version, settings, layout);
    const int widest = std::max(0, screen.width);
    settings.TopicsColWidth = std::clamp(settings.TopicsColWidth, 0, widest);
    settings.TopicsHeightPerc = std::isnan(settings.TopicsHeightPerc)
                                    ? Settings{}.TopicsHeightPerc
                                    : std::clamp(settings.TopicsHeightPerc, 0.0, 1.0);
    HoldWithin(layout.ToolBarCategoriesWidth, 0, widest);
    HoldWithin(layout.ToolBarWidth, 0, widest);
    if (layout.CurrentTopicFontSize)
        layout.CurrentTopicFontSize = FontDialogSize(*layout.CurrentTopicFontSize);
}

} // namespace zelt
