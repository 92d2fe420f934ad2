#pragma once

#include "list/topic_table.h"

#include <QString>
#include <cstdint>

namespace zelt {

class LoadedList;
class TopicView;

// What the Find dialog does to the main window: a hit selects and shows a
// topic there, or selects text in its topic view.
class SearchWindow {
public:
    virtual const LoadedList& searchedList() const = 0;
    virtual bool singleClickView() const = 0;
    virtual int gridRow() const = 0;
    // Moves the grid to a row the way a click does: the row's topic becomes
    // the selected one and, with single-click view, is shown. Nothing happens
    // when the grid is already on that row.
    virtual void clickGridRow(int row) = 0;
    // Selects the category box's first entry (all categories whenever there
    // are several), without its change handling, and shows its view with a
    // row selected.
    virtual void showFirstCategory(int row) = 0;
    virtual void loadTopic(std::int32_t n) = 0;
    // Written into the last status panel and painted at once.
    virtual void setSearchStatus(const QString& text) = 0;
    virtual TopicView& searchedView() const = 0;
    virtual void repaintWindow() = 0;

protected:
    ~SearchWindow() = default;
};

} // namespace zelt
