#pragma once

#include <cstdint>

namespace zelt {

// The fields the availability rules read; all are in memory, so the rules can
// run at every idle moment.
struct CommandState {
    int listKind = -1;
    std::int32_t topicCount = 0;
    std::int32_t currentTopicNumber = -1;
    // Of the topic view: characters selected (a line break counts one), text
    // length with every line break counted as CR LF, and number of lines.
    int selectionLength = 0;
    int textLength = 0;
    int lineCount = 0;
    // The topics grid's current row and its row count.
    int gridRow = 0;
    int gridRowCount = 0;
    bool helpFileAvailable = false;
    // The List menu offers lists of the lists folder.
    bool folderListsOffered = false;
    bool zoomed = false;
    // Whether the history of topics shown has an entry to go back or forward to.
    bool historyBack = false;
    bool historyForward = false;
};

// Which commands are enabled; the *Checked fields give the ticked state.
// Commands without a field are always enabled.
struct CommandAvailability {
    bool fileClose = false;
    bool fileSave = false;
    bool filePrint = false;
    bool editCopy = false;
    bool editSelectAll = false;
    bool editSelectAllChecked = false;
    bool searchFind = false;
    bool searchSearchAgain = false;
    bool searchTopicTexts = false;
    bool searchBack = false;
    bool searchForward = false;
    bool optionsZoomTopic = false;
    bool optionsZoomTopicChecked = false;
    bool optionsUpdateTopicTitles = false;
    bool viewPrev = false;
    bool viewNext = false;
    // Help Topics is visible, with the separator below it, only when enabled.
    bool helpHelpIndex = false;
};

CommandAvailability EvaluateCommands(const CommandState& state);

// Search Topic Texts searches the open list, or without one every list of the
// lists folder.
bool SearchTopicTextsEnabled(const CommandState& state);

} // namespace zelt
