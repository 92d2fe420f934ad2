#include "ui/topic_text_search_panel.h"

#include "base/code_page_437.h"
#include "list/loaded_list.h"
#include "search/search_text.h"
#include "search/topic_text_search.h"
#include "ui/qt_text.h"
#include "ui/topic_text_hit_delegate.h"
#include "ui/topic_text_results_model.h"
#include "ui/topic_text_search_host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace zelt {

namespace {

constexpr int ListColumnWidth = 90;
constexpr int TopicColumnWidth = 140;

Qt::DockWidgetArea AreaOf(DockSide side)
{
    switch (side) {
    case DockSide::Top:
        return Qt::TopDockWidgetArea;
    case DockSide::Left:
        return Qt::LeftDockWidgetArea;
    case DockSide::Right:
        return Qt::RightDockWidgetArea;
    case DockSide::Bottom:
        break;
    }
    return Qt::BottomDockWidgetArea;
}

DockSide SideOf(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::TopDockWidgetArea:
        return DockSide::Top;
    case Qt::LeftDockWidgetArea:
        return DockSide::Left;
    case Qt::RightDockWidgetArea:
        return DockSide::Right;
    default:
        return DockSide::Bottom;
    }
}

bool IsBoxKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Escape ||
           key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool Beside(DockSide side)
{
    return side == DockSide::Left || side == DockSide::Right;
}

} // namespace

TopicTextSearchPanel::TopicTextSearchPanel(TopicTextSearchHost& host, QWidget& fontSource,
                                           QMainWindow& window)
    : QDockWidget(QStringLiteral("Search Topic Texts"), &window)
    , m_host(host)
    , m_fontSource(fontSource)
    , m_window(window)
{
    setObjectName(QStringLiteral("SearchTopicTextsPanel"));
    setFeatures(DockWidgetClosable | DockWidgetFloatable | DockWidgetMovable);
    createControls();
    window.addDockWidget(Qt::BottomDockWidgetArea, this);
    hide();
    fontSource.installEventFilter(this);
}

void TopicTextSearchPanel::createControls()
{
    auto* body = new QWidget(this);
    m_text = new QComboBox(body);
    m_text->setObjectName(QStringLiteral("TopicTextBox"));
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->setCompleter(nullptr);
    m_text->setMinimumContentsLength(24);
    m_text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The box takes the keys with the focus and hands typing on to its edit.
    m_text->installEventFilter(this);
    m_text->lineEdit()->installEventFilter(this);
    m_matchCase = new QCheckBox(QStringLiteral("Case sensitive"), body);
    m_matchCase->setObjectName(QStringLiteral("TopicTextMatchCase"));
    m_wholeWords = new QCheckBox(QStringLiteral("Whole words only"), body);
    m_wholeWords->setObjectName(QStringLiteral("TopicTextWholeWords"));
    m_scope = new QComboBox(body);
    m_scope->setObjectName(QStringLiteral("TopicTextScope"));
    m_scope->addItems({QStringLiteral("Open list"), QStringLiteral("All lists")});
    m_scope->setCurrentIndex(static_cast<int>(TopicTextScope::AllLists));
    m_count = new QLabel(body);
    m_count->setObjectName(QStringLiteral("TopicTextCount"));
    m_more = new QLabel(FromUtf8(TopicTextMoreNote), body);
    m_more->setObjectName(QStringLiteral("TopicTextMoreNote"));
    m_more->hide();

    m_model = new TopicTextResultsModel(this);
    m_results = new QTreeView(body);
    m_results->setObjectName(QStringLiteral("TopicTextResults"));
    m_results->setModel(m_model);
    m_results->setItemDelegateForColumn(TopicTextResultsModel::LineColumn,
                                        new TopicTextHitDelegate(m_results));
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAllColumnsShowFocus(true);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->header()->setStretchLastSection(true);
    m_results->header()->resizeSection(TopicTextResultsModel::ListColumn, ListColumnWidth);
    m_results->header()->resizeSection(TopicTextResultsModel::TopicColumn, TopicColumnWidth);
    m_results->setFont(m_fontSource.font());

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_text, 1);
    controls->addWidget(m_matchCase);
    controls->addWidget(m_wholeWords);
    controls->addWidget(m_scope);
    controls->addWidget(m_count);
    controls->addWidget(m_more);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(m_results, 1);
    setWidget(body);

    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(TypingPauseMs);
    // Putting a text into the history sets the box's text again: no new search.
    connect(m_typingPause, &QTimer::timeout, this, [this] {
        if (m_searched != m_text->currentText())
            search();
    });
    connect(m_text, &QComboBox::editTextChanged, m_typingPause, qOverload<>(&QTimer::start));
    connect(m_text, &QComboBox::activated, this, [this] { search(); });
    for (QCheckBox* option : {m_matchCase, m_wholeWords})
        connect(option, &QCheckBox::toggled, this, &TopicTextSearchPanel::search);
    connect(m_scope, &QComboBox::activated, this, &TopicTextSearchPanel::search);
    connect(m_results, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { activateRow(index.row()); });
}

void TopicTextSearchPanel::showAndFocus()
{
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->lineEdit()->selectAll();
}

TopicTextScope TopicTextSearchPanel::scope() const
{
    return m_scope->currentIndex() == 0 ? TopicTextScope::OpenList : TopicTextScope::AllLists;
}

void TopicTextSearchPanel::setScope(TopicTextScope scope)
{
    m_scope->setCurrentIndex(static_cast<int>(scope));
    search();
}

void TopicTextSearchPanel::clearResults()
{
    m_model->clear();
    m_count->clear();
    m_more->hide();
    m_searched.reset();
}

void TopicTextSearchPanel::search()
{
    m_typingPause->stop();
    const QString typed = m_text->currentText();
    if (typed.isEmpty()) {
        clearResults();
        return;
    }
    const TopicTextScope searchScope = scope();
    std::vector<TopicTextList> lists = m_host.topicTextLists(searchScope);
    std::vector<TopicTextRow> rows;
    std::size_t lineCount = 0;
    std::size_t topicCount = 0;
    // A character the code page lacks is in no list.
    if (const auto bytes = Utf8ToCp437Exact(ToUtf8(typed))) {
        const SearchPattern pattern(*bytes, {m_matchCase->isChecked(), m_wholeWords->isChecked()});
        for (std::size_t i = 0; i < lists.size(); ++i) {
            const LoadedList* list = m_host.topicTextTopics(lists[i].file);
            if (list == nullptr)
                continue;
            auto found = SearchTopicTextsInFile(lists[i].file, list->topics(), pattern,
                                                MaxTopicTextRows - rows.size());
            if (!found)
                continue;
            lineCount += found->lineCount;
            topicCount += found->topicCount;
            for (TopicTextHit& hit : found->hits)
                rows.push_back({static_cast<std::uint32_t>(i), hit.topic, hit.line, hit.column,
                                std::string(list->topics().identifier(hit.topic)),
                                RowLineOf(hit.text, hit.column, pattern.size())});
        }
    }
    const bool manyLists = searchScope == TopicTextScope::AllLists;
    m_model->setResults(std::move(lists), std::move(rows));
    m_results->setColumnHidden(TopicTextResultsModel::ListColumn, !manyLists);
    m_count->setText(FromUtf8(TopicTextCountText(lineCount, topicCount)));
    m_more->setVisible(lineCount > static_cast<std::size_t>(m_model->rowCount()));
    m_searched = typed;
}

bool TopicTextSearchPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_fontSource) {
        if (event->type() == QEvent::FontChange)
            m_results->setFont(m_fontSource.font());
        return false;
    }
    // Esc is also the window's Unzoom shortcut: the box claims its keys first.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && IsBoxKey(key->key()))
            event->accept();
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return boxKey(static_cast<QKeyEvent*>(event)->key());
    return false;
}

void TopicTextSearchPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    m_placeKnown = true;
}

// Keys of the search box: Up and Down walk the rows, Esc clears the text and
// Enter searches, or shows the chosen row once its text has been searched.
bool TopicTextSearchPanel::boxKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
        walkRows(-1);
        return true;
    case Qt::Key_Down:
        walkRows(1);
        return true;
    case Qt::Key_Escape:
        m_text->clearEditText();
        clearResults();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QString typed = m_text->currentText();
        addToHistory(typed);
        if (m_searched == typed && m_results->currentIndex().isValid())
            activateRow(m_results->currentIndex().row());
        else
            search();
        return true;
    }
    default:
        return false;
    }
}

void TopicTextSearchPanel::walkRows(int step)
{
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    const QModelIndex current = m_results->currentIndex();
    const int row = current.isValid() ? std::clamp(current.row() + step, 0, count - 1) : 0;
    const QModelIndex target = m_model->index(row, TopicTextResultsModel::LineColumn);
    m_results->setCurrentIndex(target);
    m_results->scrollTo(target);
}

void TopicTextSearchPanel::activateRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    addToHistory(m_text->currentText());
    const TopicTextRow& hit = m_model->row(row);
    const std::size_t length = Utf8ToCp437(ToUtf8(m_searched.value_or(QString()))).size();
    // Copies: showing the hit may search again and so replace the rows.
    const std::filesystem::path file = m_model->listOf(hit).file;
    m_host.showTopicTextHit(file, hit.topic, hit.line, hit.column, length);
}

void TopicTextSearchPanel::addToHistory(const QString& text)
{
    if (text.isEmpty())
        return;
    const FindHistory::Change change = m_history.add(ToUtf8(text));
    if (change.inserted)
        m_text->insertItem(0, text);
    if (change.droppedLast)
        m_text->removeItem(static_cast<int>(FindHistory::MaxEntries));
    m_text->setEditText(text);
}

std::optional<DockPlace> TopicTextSearchPanel::place()
{
    if (!m_placeKnown)
        return std::nullopt;
    DockPlace place;
    place.visible = !isHidden();
    place.floating = isFloating();
    place.side = SideOf(m_window.dockWidgetArea(this));
    place.extent = Beside(place.side) ? width() : height();
    const QRect bounds = geometry();
    place.floatingBounds = place.floating
                               ? Rect{bounds.x(), bounds.y(), bounds.x() + bounds.width(),
                                      bounds.y() + bounds.height()}
                               : Rect{};
    return place;
}

void TopicTextSearchPanel::restorePlace(const DockPlace& place)
{
    m_placeKnown = true;
    m_window.addDockWidget(AreaOf(place.side), this);
    setFloating(place.floating);
    const Rect& bounds = place.floatingBounds;
    if (place.floating && bounds.right > bounds.left && bounds.bottom > bounds.top)
        setGeometry(bounds.left, bounds.top, bounds.right - bounds.left,
                    bounds.bottom - bounds.top);
    setVisible(place.visible);
    if (!place.floating && place.extent > 0)
        m_window.resizeDocks({this}, {place.extent},
                             Beside(place.side) ? Qt::Horizontal : Qt::Vertical);
}

} // namespace zelt
