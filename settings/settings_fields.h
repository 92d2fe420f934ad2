#pragma once

#include "settings/settings.h"

#include <array>
#include <string_view>

namespace zelt {

// The Config values of Settings in the order they are read and written; each
// field carries its value's name.
template <typename T>
struct SettingsField {
    std::string_view name;
    T Settings::*field;
};

inline constexpr std::array<SettingsField<std::string>, 2> ConfigTextFields{{
    {"DefStartupDir", &Settings::DefStartupDir},
    {"DefStartupList", &Settings::DefStartupList},
}};

inline constexpr std::array<SettingsField<bool>, 13> ConfigFlagFields{{
    {"AskExit", &Settings::AskExit},
    {"ShowPrintDialog", &Settings::ShowPrintDialog},
    {"SingleClickView", &Settings::SingleClickView},
    {"DoubleClickZoom", &Settings::DoubleClickZoom},
    {"DontUseIndexFile", &Settings::DontUseIndexFile},
    {"ReloadLastOpenList", &Settings::ReloadLastOpenList},
    {"TopicFormatting", &Settings::TopicFormatting},
    {"WYSIWYGPrint", &Settings::WYSIWYGPrint},
    {"EnabledSeeAlsoMenu", &Settings::EnabledSeeAlsoMenu},
    {"LoadTopicsDirect", &Settings::LoadTopicsDirect},
    {"DisplayAllLists", &Settings::DisplayAllLists},
    {"ShowCategoryChar", &Settings::ShowCategoryChar},
    {"OnlyParseLST", &Settings::OnlyParseLST},
}};

inline constexpr std::string_view TopicsHeightPercName = "TopicsHeightPerc";
inline constexpr std::string_view TopicsColWidthName = "TopicsColWidth";

} // namespace zelt
