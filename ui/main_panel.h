#pragma once

#include <QWidget>

class QFrame;
class QHeaderView;
class QLabel;
class QMenu;
class QSplitter;
class QToolButton;

namespace zelt {

class LoadedList;
class ScreenScale;
class TopicView;
class TopicsGrid;
class TopicsGridDelegate;
class TopicsGridModel;
struct ProgramState;
struct Settings;

// PanelMain: the topics pane (header and grid) above the splitter, the topic
// pane (header strip and topic view) below it.
class MainPanel final : public QWidget {
    Q_OBJECT

public:
    static constexpr int HeaderStripHeight = 19;

    MainPanel(const LoadedList& list, Settings& settings, const ProgramState& program,
              QWidget* parent);

    TopicsGrid* grid() const { return m_grid; }
    TopicsGridModel* model() const { return m_model; }
    TopicsGridDelegate* gridDelegate() const { return m_delegate; }
    QHeaderView* topicsHeader() const;
    QFrame* panelTopics() const { return m_panelTopics; }
    QSplitter* splitter() const { return m_splitter; }
    QFrame* topicHeaderStrip() const { return m_headerStrip; }
    TopicView* topicView() const { return m_topicView; }
    QToolButton* seeAlsoButton() const { return m_seeAlsoButton; }
    QLabel* currentTopicLabel() const { return m_currentTopicId; }
    QMenu* seeAlsoMenu() const { return m_seeAlsoMenu; }

    void setPopupMenus(QMenu* topicsPopup, QMenu* topicViewPopup);
    // The grid draws with the topic view's font; its rows follow the font size.
    void setTopicFont(const QFont& font, const ScreenScale& scale);
    // The width of the grid's topic column, without its separator line.
    void setFirstColumnWidth(int width);
    int firstColumnWidth() const;
    void popUpSeeAlsoMenu();
    // The topics pane's share of the height, the title column's width and the
    // panel's minimum height; nothing changes in the panes while zoomed.
    void fitPanes();
    // Records the topics pane's share once the main window has been shown.
    void recordSplit();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildTopicsPane(const LoadedList& list);
    void buildTopicPane();

    Settings& m_settings;
    const ProgramState& m_program;
    QSplitter* m_splitter = nullptr;
    QFrame* m_panelTopics = nullptr;
    TopicsGrid* m_grid = nullptr;
    TopicsGridModel* m_model = nullptr;
    TopicsGridDelegate* m_delegate = nullptr;
    QFrame* m_panelCurrentTopic = nullptr;
    QFrame* m_headerStrip = nullptr;
    QToolButton* m_seeAlsoButton = nullptr;
    QLabel* m_currentTopicId = nullptr;
    TopicView* m_topicView = nullptr;
    QMenu* m_seeAlsoMenu = nullptr;
};

} // namespace zelt
