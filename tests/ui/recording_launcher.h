#pragma once

#include "ui/launcher.h"

#include <vector>

namespace zelt::test {

// Records what the program would start, and starts nothing.
class RecordingLauncher final : public Launcher {
public:
    void launch(const LaunchRequest& request, QWidget* owner) override
    {
        requests.push_back(request);
        owners.push_back(owner);
    }

    std::vector<LaunchRequest> requests;
    std::vector<QWidget*> owners;
};

} // namespace zelt::test
