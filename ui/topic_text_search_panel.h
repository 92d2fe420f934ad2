#pragma once

#include "search/find_state.h"
#include "search/topic_text_lists.h"
#include "settings/window_layout.h"

#include <QDockWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QMainWindow;
class QTimer;
class QTreeView;

namespace zelt {

class TopicTextResultsModel;
class TopicTextSearchHost;

// Search Topic Texts: a panel docked to the main window that lists every line
// of every topic holding a text, in the open list or in all lists of the lists
// folder, as the text is typed. Its lines use the font of fontSource.
class TopicTextSearchPanel final : public QDockWidget {
    Q_OBJECT

public:
    // How long typing must pause before the search runs.
    static constexpr int TypingPauseMs = 250;

    TopicTextSearchPanel(TopicTextSearchHost& host, QWidget& fontSource, QMainWindow& window);

    // Shows the panel with the search box focused and its text selected.
    void showAndFocus();
    // Searches with the box's text now.
    void search();

    QComboBox* textBox() const { return m_text; }
    QTreeView* results() const { return m_results; }
    const TopicTextResultsModel& model() const { return *m_model; }
    QLabel* countLabel() const { return m_count; }
    QLabel* moreNote() const { return m_more; }
    void setScope(TopicTextScope scope);

    // Where the panel stands, once it has been placed from the settings or
    // shown; nothing before, so that nothing is written for a panel never used.
    std::optional<DockPlace> place();
    void restorePlace(const DockPlace& place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    bool boxKey(int key);
    void walkRows(int step);
    void activateRow(int row);
    void addToHistory(const QString& text);
    void clearResults();
    TopicTextScope scope() const;

    TopicTextSearchHost& m_host;
    QWidget& m_fontSource;
    QMainWindow& m_window;
    FindHistory m_history;
    QComboBox* m_text = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeWords = nullptr;
    QComboBox* m_scope = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_more = nullptr;
    QTreeView* m_results = nullptr;
    TopicTextResultsModel* m_model = nullptr;
    QTimer* m_typingPause = nullptr;
    // The text the rows were found for, so Enter on it activates a row.
    std::optional<QString> m_searched;
    bool m_placeKnown = false;
};

} // namespace zelt
