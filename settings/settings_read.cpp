#include "settings/settings_fields.h"
#include "settings/settings_io.h"
#include "settings/value_codec.h"
#include "settings/value_names.h"

#include <algorithm>

namespace zelt {

namespace {

constexpr int DefaultEdgeDistance = 50;

// No larger than the screen, and at least the default edge distance of it
// on the screen at the left and top; counted wide, so that no stored value
// overflows.
Rect Drawable(const Rect& bounds, Size screen)
{
    using Wide = long long;
    const auto extent = [](int from, int to, int room) {
        return std::clamp<Wide>(Wide{to} - from, 1, std::max(1, room));
    };
    const Wide width = extent(bounds.left, bounds.right, screen.width);
    const Wide height = extent(bounds.top, bounds.bottom, screen.height);
    const Wide left = std::max<Wide>(bounds.left, DefaultEdgeDistance - width);
    const Wide top = std::max<Wide>(bounds.top, DefaultEdgeDistance - height);
    return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
                static_cast<int>(top + height)};
}

template <typename Field, typename T>
void SetIfPresent(Field& field, std::optional<T> value)
{
    if (value)
        field = std::move(*value);
}

} // namespace

WindowPlacement ReadWindowPlacement(SettingsStore& store, const ProgramVersion& version,
                                    Size screen)
{
    namespace names = value_names;
    const std::string key = SettingsKey(version, names::Layout);
    WindowPlacement placement;
    if (const auto stored = RectFrom(store.read(key, names::BoundsRect))) {
        Rect bounds = *stored;
        if (bounds.left > screen.width)
            bounds.left = screen.width - DefaultEdgeDistance;
        if (bounds.top > screen.height)
            bounds.top = screen.height - DefaultEdgeDistance;
        placement.bounds = Drawable(bounds, screen);
    } else {
        placement.bounds = {DefaultEdgeDistance, DefaultEdgeDistance,
                            screen.width - DefaultEdgeDistance,
                            screen.height - DefaultEdgeDistance};
    }
    placement.windowState =
        IntegerFrom(store.read(key, names::WindowState)).value_or(WindowStateMaximised);
    placement.maximised = placement.windowState == WindowStateMaximised;
    return placement;
}

void ReadSettings(SettingsStore& store, const ProgramVersion& version, Settings& settings,
                  StoredLayout& layout)
{
    namespace names = value_names;
    const std::string layoutKey = SettingsKey(version, names::Layout);
    const auto read = [&store](const std::string& key, std::string_view name) {
        return store.read(key, name);
    };

    SetIfPresent(layout.ToolBarCategoriesWidth,
                 IntegerFrom(read(layoutKey, names::ToolBarCategoriesWidth)));
    const auto firstBand = IntegerFrom(read(layoutKey, names::CoolBarBand0Id));
    if (firstBand == CategoryBandId || firstBand == ToolBarBandId)
        layout.CoolBarBand0Id = firstBand;
    SetIfPresent(layout.CoolBarBand0Break, FlagFrom(read(layoutKey, names::CoolBarBand0Break)));
    SetIfPresent(layout.ToolBarWidth, IntegerFrom(read(layoutKey, names::ToolBarWidth)));
    SetIfPresent(layout.CoolBarBand1Break, FlagFrom(read(layoutKey, names::CoolBarBand1Break)));
    SetIfPresent(layout.ToolBarVisible, FlagFrom(read(layoutKey, names::ToolBarVisible)));
    SetIfPresent(layout.TopicsHeaderVisible, FlagFrom(read(layoutKey, names::TopicsHeaderVisible)));
    SetIfPresent(layout.PanelCurrentTopicHeaderVisible,
                 FlagFrom(read(layoutKey, names::PanelCurrentTopicHeaderVisible)));
    SetIfPresent(layout.StatusBarVisible, FlagFrom(read(layoutKey, names::StatusBarVisible)));
    SetIfPresent(layout.TopicTextsPanel, DockPlaceFrom(read(layoutKey, names::TopicTextsPanel)));
    SetIfPresent(settings.TopicsHeightPerc, RealFrom(read(layoutKey, TopicsHeightPercName)));
    SetIfPresent(settings.TopicsColWidth, IntegerFrom(read(layoutKey, TopicsColWidthName)));

    const std::string configKey = SettingsKey(version, names::Config);
    for (const auto& [name, field] : ConfigTextFields)
        SetIfPresent(settings.*field, TextFrom(read(configKey, name)));
    for (const auto& [name, field] : ConfigFlagFields)
        SetIfPresent(settings.*field, FlagFrom(read(configKey, name)));
    SetIfPresent(layout.CurrentTopicFontName,
                 TextFrom(read(configKey, names::CurrentTopicFontName)));
    SetIfPresent(layout.CurrentTopicFontSize,
                 IntegerFrom(read(configKey, names::CurrentTopicFontSize)));
}

} // namespace zelt
