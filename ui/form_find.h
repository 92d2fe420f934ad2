#pragma once

#include "list/topic_table.h"
#include "search/find_state.h"
#include "search/topic_line_search.h"

#include <QDialog>
#include <optional>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace zelt {

class MessageBoxes;
class SearchWindow;

// The Find dialog. One instance lives as long as the main window, so its
// text, history, options and search position carry over from one use to the
// next; it also runs the locate search that following a reference uses.
class TFormFind final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 324;
    static constexpr int ClientHeight = 182;

    TFormFind(SearchWindow& window, MessageBoxes& messages, QWidget* parent);

    QString findText() const;
    // The scope chosen in "Search in"; none before the first showing.
    std::optional<SearchScope> searchIn() const;
    std::int32_t searchStart() const noexcept { return m_searchStart.value(); }
    bool locateFailed() const noexcept { return m_locateFailed; }

    // One search step with the dialog's text, scope and options; the
    // not-found message on a miss.
    void runSearch();
    // Selects and shows the first topic from number 1 whose identifier begins
    // with the prefix and whose title holds the fragment; LocateFailed when
    // there is none. No message.
    std::optional<TopicNumber> locateTopic(std::string_view prefix, std::string_view fragment);
    // Selects and shows a topic of the open list as a located one is: in all
    // categories when the grid shows another category.
    void showTopic(TopicNumber topic);

    // Resets of the search position made by the main window.
    void listClosed();
    void topicLoaded();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void createControls();
    void findButtonClick();
    FindValues values() const;
    void setValues(const FindValues& values);
    bool searchTopicLines(SearchScope scope, const std::optional<std::string>& text);
    bool searchShownTopic(const std::optional<std::string>& text);
    void showFoundTopic(int row, bool inFirstCategory);

    SearchWindow& m_window;
    MessageBoxes& m_messages;
    SearchPosition m_searchStart;
    bool m_locateFailed = false;
    FindDialogMemory m_memory;
    FindHistory m_history;

    QPushButton* m_findButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QGroupBox* m_textGroup = nullptr;
    QComboBox* m_findText = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeWords = nullptr;
    QGroupBox* m_searchInRadio = nullptr;
    QButtonGroup* m_scopes = nullptr;
};

} // namespace zelt
