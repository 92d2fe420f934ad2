#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelt {

class LoadedList;

enum class StatusKind { ListChanged = 0, ViewChanged = 1, SelectionChanged = 2, TopicShown = 3 };

// The window caption and the four status-bar panels.
struct StatusBarTexts {
    std::string caption;
    std::array<std::string, 4> panels;
};

// The loaded-list fields the status texts are made from.
struct StatusState {
    int listKind = -1;
    std::string_view listFileName;
    std::int32_t topicCount = 0;
    std::int32_t viewRowCount = 0;
    std::int32_t selectedTopic = 0;
    std::int32_t currentTopicNumber = -1;
};

StatusState StatusStateOf(const LoadedList& list);

// Rewrites the caption and the panels the kind names; the others keep their text.
void ApplyStatusUpdate(StatusBarTexts& texts, StatusKind kind, const StatusState& state);

// A hint is "tooltip|status-bar text"; without "|" the whole hint is both.
std::string_view HintShortPart(std::string_view hint) noexcept;
std::string_view HintLongPart(std::string_view hint) noexcept;

// The text of the last panel for the application's hint.
std::string HintPanelText(std::string_view hint, bool windowActive);

} // namespace zelt
