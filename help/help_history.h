#pragma once

#include <optional>
#include <vector>

namespace zelt {

// The topics of the help window's Back and Forward.
class HelpHistory {
public:
    // A new topic: Forward forgets what lay ahead. Visiting the topic shown
    // changes nothing.
    void visit(int context);
    std::optional<int> current() const;
    bool canGoBack() const { return m_position > 0; }
    bool canGoForward() const { return m_position + 1 < m_visited.size(); }
    // The topic stepped to; the current one when there is no step.
    std::optional<int> back();
    std::optional<int> forward();

private:
    std::vector<int> m_visited;
    std::size_t m_position = 0;
};

} // namespace zelt
