#pragma once

#include "settings/window_layout.h"

#include <string>

namespace zelt {

// The persisted user settings, one record for the whole run. Fields carry the
// stored value names; the initial values are the defaults of a first start.
// Texts are UTF-8 (on Windows converted at the registry boundary).
struct Settings {
    std::string DefStartupDir;
    std::string DefStartupList;
    bool AskExit = false;
    bool ShowPrintDialog = true;
    bool SingleClickView = true;
    bool DoubleClickZoom = false;
    bool DontUseIndexFile = false;
    bool ReloadLastOpenList = false;
    bool TopicFormatting = true;
    bool WYSIWYGPrint = false;
    bool EnabledSeeAlsoMenu = true;
    bool LoadTopicsDirect = false;
    bool DisplayAllLists = false;
    bool ShowCategoryChar = true;
    bool OnlyParseLST = true;
    double TopicsHeightPerc = 0.5; // stored under Layout
    int TopicsColWidth = 140;      // stored under Layout

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace zelt
