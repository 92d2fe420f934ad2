#pragma once

#include "list/load_observer.h"
#include "ui/busy_window.h"

#include <optional>

namespace zelt {

class HintHandler;
class StatusBarPanels;

// While a list is scanned or its index read: the wait cursor, the status text
// as the application's hint and the progress bar.
class ListLoadFeedback final : public LoadObserver {
public:
    ListLoadFeedback(StatusBarPanels& status, HintHandler& hints);

    void loadBegan(std::string_view statusText) override;
    void progressShown(bool visible) override;
    void progressChanged(int value) override;
    void loadEnded() override;

private:
    StatusBarPanels& m_status;
    HintHandler& m_hints;
    std::optional<BusyWindow> m_busy;
};

} // namespace zelt
