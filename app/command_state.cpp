#include "app/command_state.h"

namespace zelt {

namespace {

// A selection counts each line break once where the text length counts it
// twice, so the whole text is selected when the selection falls short by no
// more than the number of line breaks.
bool WholeTextSelected(const CommandState& state)
{
    return state.textLength > 0 && state.selectionLength + state.lineCount - 1 >= state.textLength;
}

} // namespace

bool SearchTopicTextsEnabled(const CommandState& state)
{
    return state.listKind >= 0 || state.folderListsOffered;
}

CommandAvailability EvaluateCommands(const CommandState& state)
{
    const bool listNamed = state.listKind >= 0;
    const bool topicShown = state.currentTopicNumber >= 0;
    CommandAvailability result;
    result.fileClose = listNamed && state.topicCount > 0;
    result.fileSave = topicShown;
    result.filePrint = topicShown;
    result.editCopy = state.selectionLength >= 1;
    result.editSelectAll = state.textLength > 0;
    result.editSelectAllChecked = WholeTextSelected(state);
    result.searchFind = listNamed;
    result.searchSearchAgain = listNamed;
    result.searchTopicTexts = SearchTopicTextsEnabled(state);
    result.searchBack = state.historyBack;
    result.searchForward = state.historyForward;
    result.optionsZoomTopic = topicShown;
    result.optionsZoomTopicChecked = state.zoomed;
    result.optionsUpdateTopicTitles = listNamed;
    result.viewPrev = listNamed && state.gridRow > 0;
    result.viewNext = listNamed && state.gridRow < state.gridRowCount - 1;
    result.helpHelpIndex = state.helpFileAvailable;
    return result;
}

} // namespace zelt
