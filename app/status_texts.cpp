#include "app/status_texts.h"

#include "app/app_title.h"
#include "base/ascii_text.h"
#include "list/loaded_list.h"

namespace zelt {

namespace {
constexpr std::size_t TopicCountPanel = 0;
constexpr std::size_t SelectionPanel = 1;
constexpr std::size_t CurrentTopicPanel = 2;
} // namespace

StatusState StatusStateOf(const LoadedList& list)
{
    return StatusState{
        .listKind = ToInt(list.files.listKind),
        .listFileName = list.files.listFileName,
        .topicCount = list.topicCount(),
        .viewRowCount = list.viewRowCount(),
        .selectedTopic = list.view.selectedTopic,
        .currentTopicNumber = list.view.currentTopicNumber,
    };
}

void ApplyStatusUpdate(StatusBarTexts& texts, StatusKind kind, const StatusState& state)
{
    if (kind == StatusKind::ListChanged) {
        texts.caption = AppTitle;
        if (state.listKind >= 0) {
            texts.caption += " - ";
            texts.caption += FileNameOf(state.listFileName);
        }
        if (state.topicCount == 0) {
            for (std::size_t panel = 0; panel + 1 < texts.panels.size(); ++panel)
                texts.panels[panel].clear();
        }
    }
    if ((kind == StatusKind::ListChanged || kind == StatusKind::ViewChanged) &&
        state.topicCount > 0) {
        texts.panels[TopicCountPanel] = " " + std::to_string(state.topicCount) + " topics (" +
                                        std::to_string(state.viewRowCount) + " in category)";
    }
    if (kind == StatusKind::SelectionChanged)
        texts.panels[SelectionPanel] = " Sel: " + std::to_string(state.selectedTopic + 1);
    if (kind == StatusKind::TopicShown)
        texts.panels[CurrentTopicPanel] = " Cur: " + std::to_string(state.currentTopicNumber + 1);
}

std::string_view HintShortPart(std::string_view hint) noexcept
{
    return hint.substr(0, hint.find('|'));
}

std::string_view HintLongPart(std::string_view hint) noexcept
{
    const auto bar = hint.find('|');
    return bar == std::string_view::npos ? hint : hint.substr(bar + 1);
}

std::string HintPanelText(std::string_view hint, bool windowActive)
{
    if (!windowActive)
        return {};
    return " " + std::string(HintLongPart(hint));
}

} // namespace zelt
