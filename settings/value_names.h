#pragma once

#include <string_view>

namespace zelt::value_names {

// Sub-keys of the version's settings key.
constexpr std::string_view Layout = "Layout";
constexpr std::string_view Config = "Config";

// Values the main window's controls own.
constexpr std::string_view WindowState = "WindowState";
constexpr std::string_view BoundsRect = "BoundsRect";
constexpr std::string_view ToolBarCategoriesWidth = "ToolBarCategories.Width";
constexpr std::string_view CoolBarBand0Id = "CoolBar.Bands[0].ID";
constexpr std::string_view CoolBarBand0Break = "CoolBar.Bands[0].Break";
constexpr std::string_view ToolBarWidth = "ToolBar.Width";
constexpr std::string_view CoolBarBand1Break = "CoolBar.Bands[1].Break";
constexpr std::string_view ToolBarVisible = "ToolBar.Visible";
constexpr std::string_view TopicsHeaderVisible = "TopicsHeader.Visible";
constexpr std::string_view PanelCurrentTopicHeaderVisible = "PanelCurrentTopicHeader.Visible";
constexpr std::string_view StatusBarVisible = "StatusBar.Visible";
constexpr std::string_view TopicTextsPanel = "SearchTopicTextsPanel.Place";
constexpr std::string_view CurrentTopicFontName = "CurrentTopic.Font.Name";
constexpr std::string_view CurrentTopicFontSize = "CurrentTopic.Font.Size";

} // namespace zelt::value_names
