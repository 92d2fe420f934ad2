#include "settings/settings_fields.h"
#include "settings/settings_io.h"
#include "settings/value_codec.h"
#include "settings/value_names.h"

namespace zelt {

namespace {

// Writes values one after another and remembers what went wrong first.
class ValueWriter {
public:
    explicit ValueWriter(SettingsStore& store)
        : m_store(store)
    {}

    void openKey(std::string key) { m_key = std::move(key); }

    void put(std::string_view name, const StoredValue& value)
    {
        if (m_firstName.empty())
            m_firstName = name;
        if (!m_store.write(m_key, name, value) && m_firstRefused.empty())
            m_firstRefused = name;
    }

    std::optional<std::string> finish()
    {
        if (!m_store.commit())
            return m_firstName;
        if (!m_firstRefused.empty())
            return m_firstRefused;
        return std::nullopt;
    }

private:
    SettingsStore& m_store;
    std::string m_key;
    std::string m_firstName;
    std::string m_firstRefused;
};

} // namespace

void ClearStoredSettings(SettingsStore& store, const ProgramVersion& version)
{
    store.deleteKey(SettingsKey(version, {}));
    store.commit();
}

std::optional<std::string> WriteSettings(SettingsStore& store, const ProgramVersion& version,
                                         const Settings& settings, const WindowLayout& layout)
{
    namespace names = value_names;
    ValueWriter out(store);
    out.openKey(SettingsKey(version, names::Layout));
    out.put(names::WindowState, IntegerValue(layout.WindowState));
    // While maximised the normal bounds are not known; an earlier run's stay.
    if (layout.WindowState != WindowStateMaximised)
        out.put(names::BoundsRect, RectValue(layout.BoundsRect));
    out.put(names::ToolBarCategoriesWidth, IntegerValue(layout.ToolBarCategoriesWidth));
    out.put(names::CoolBarBand0Id, IntegerValue(layout.CoolBarBand0Id));
    out.put(names::CoolBarBand0Break, FlagValue(layout.CoolBarBand0Break));
    out.put(names::ToolBarWidth, IntegerValue(layout.ToolBarWidth));
    out.put(names::CoolBarBand1Break, FlagValue(layout.CoolBarBand1Break));
    out.put(names::ToolBarVisible, FlagValue(layout.ToolBarVisible));
    out.put(names::TopicsHeaderVisible, FlagValue(layout.TopicsHeaderVisible));
    out.put(names::PanelCurrentTopicHeaderVisible,
            FlagValue(layout.PanelCurrentTopicHeaderVisible));
    out.put(names::StatusBarVisible, FlagValue(layout.StatusBarVisible));
    out.put(TopicsHeightPercName, RealValue(settings.TopicsHeightPerc));
    out.put(TopicsColWidthName, IntegerValue(layout.TopicsColWidth));
    if (layout.TopicTextsPanel)
        out.put(names::TopicTextsPanel, DockPlaceValue(*layout.TopicTextsPanel));

    out.openKey(SettingsKey(version, names::Config));
    for (const auto& [name, field] : ConfigTextFields)
        out.put(name, TextValue(settings.*field));
    for (const auto& [name, field] : ConfigFlagFields)
        out.put(name, FlagValue(settings.*field));
    out.put(names::CurrentTopicFontName, TextValue(layout.CurrentTopicFontName));
    out.put(names::CurrentTopicFontSize, IntegerValue(layout.CurrentTopicFontSize));
    return out.finish();
}

std::string FailedToSetDataMessage(std::string_view valueName)
{
    return "Failed to set data for '" + std::string(valueName) + "'";
}

Settings SettingsForExit(Settings settings, std::string_view listFileName)
{
    if (settings.ReloadLastOpenList)
        settings.DefStartupList = listFileName;
    return settings;
}

} // namespace zelt
