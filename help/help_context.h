#pragma once

#include <array>
#include <optional>
#include <span>

namespace zelt {

// The help file's topic numbers the program asks for.
namespace help_context {
inline constexpr int Contents = 1000;
inline constexpr int OkButton = 1101;
inline constexpr int CancelButton = 1102;
inline constexpr int LocationOfLists = 1111;
inline constexpr int ListToLoadOnStartup = 1112;
inline constexpr int AskExit = 1121;
inline constexpr int ShowPrintDialog = 1122;
inline constexpr int DisplayAllLists = 1123;
inline constexpr int SingleClickView = 1124;
inline constexpr int DoubleClickZoom = 1125;
inline constexpr int EnableSeeAlsoMenu = 1126;
inline constexpr int TopicFormatting = 1131;
inline constexpr int ShowCategoryChar = 1132;
inline constexpr int DefaultFont = 1133;
inline constexpr int Printing = 1134;
inline constexpr int IndexFiles = 1141;
inline constexpr int OnlyParseLst = 1142;
} // namespace help_context

// Every number the program asks for; the help file holds a topic for each.
inline constexpr std::array<int, 17> RequestedHelpContexts{
    help_context::Contents,
    help_context::OkButton,
    help_context::CancelButton,
    help_context::LocationOfLists,
    help_context::ListToLoadOnStartup,
    help_context::AskExit,
    help_context::ShowPrintDialog,
    help_context::DisplayAllLists,
    help_context::SingleClickView,
    help_context::DoubleClickZoom,
    help_context::EnableSeeAlsoMenu,
    help_context::TopicFormatting,
    help_context::ShowCategoryChar,
    help_context::DefaultFont,
    help_context::Printing,
    help_context::IndexFiles,
    help_context::OnlyParseLst,
};

// A control without a number of its own (0) takes that of the nearest
// enclosing control that has one. The numbers run from the control outward
// to its window; nothing when none of them has one.
std::optional<int> HelpContextFor(std::span<const int> numbersOutward);

} // namespace zelt
