#pragma once

#include "ui/help_viewer.h"

#include <QPoint>
#include <vector>

namespace zelt::test {

// Records what reaches the help viewer.
class RecordingHelpViewer final : public HelpViewer {
public:
    struct Popup {
        int context;
        QPoint position;
    };

    void showTopic(int context) override { topics.push_back(context); }
    void showPopup(int context, const QPoint& globalPosition) override
    {
        popups.push_back({context, globalPosition});
    }

    std::vector<int> topics;
    std::vector<Popup> popups;
};

} // namespace zelt::test
