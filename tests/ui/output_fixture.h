#pragma once

#include "app/command_table.h"
#include "tests/ui/ui_fixture.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

namespace zelt {
class TopicView;
}

namespace zelt::test {

// A run with a list open and a topic shown, for saving, printing and copying.
class OutputTest : public UiTest {
protected:
    // Starts on the list and shows topic n.
    void showTopic(const std::string& list, std::int32_t n);
    TopicView& view() const;
    // The topic's bytes as they stand in the list file.
    std::string topicBytes(std::int32_t n) const;
    // Selects the view's characters [start, end).
    void select(int start, int end) const;
    int positionOf(const QString& text) const;
    void triggerCommand(CommandId id) const;
};

// The standard output of a program run to its end; fails the test when it
// cannot start or ends with an error.
QString OutputOf(const QString& program, const QStringList& arguments);

} // namespace zelt::test
