#include "ui/form_find.h"

#include "base/code_page_437.h"
#include "browse/category_box.h"
#include "list/loaded_list.h"
#include "search/locate_topic.h"
#include "search/search_messages.h"
#include "ui/busy_window.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/search_window.h"
#include "ui/topic_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace zelt {

namespace {

const std::array<QString, 3> ScopeCaptions{
    QStringLiteral("Topic titles of current category"),
    QStringLiteral("Topic titles of all categories"),
    QStringLiteral("Current topic"),
};

// A search's status text, standing in the last panel until the scope ends
// on any path, with the wait cursor.
class SearchStatus {
public:
    SearchStatus(SearchWindow& window, std::string_view text)
        : m_window(window)
    {
        m_window.setSearchStatus(FromUtf8(text));
    }
    ~SearchStatus() { m_window.setSearchStatus(QString()); }
    SearchStatus(const SearchStatus&) = delete;
    SearchStatus& operator=(const SearchStatus&) = delete;

private:
    const BusyWindow m_busy;
    SearchWindow& m_window;
};

} // namespace

TFormFind::TFormFind(SearchWindow& window, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_window(window)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("FormFind"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(true);
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPointSize(8);
    setFont(designFont);
    setFixedSize(ClientWidth, ClientHeight);
    createControls();
}

void TFormFind::createControls()
{
    m_findButton = new QPushButton(QStringLiteral("Find"), this);
    m_findButton->setObjectName(QStringLiteral("FindButton"));
    m_findButton->setGeometry(239, 14, 75, 23);
    m_findButton->setDefault(true);
    connect(m_findButton, &QPushButton::clicked, this, &TFormFind::findButtonClick);

    m_closeButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setGeometry(239, 48, 75, 23);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_textGroup = new QGroupBox(QStringLiteral("Text to find"), this);
    m_textGroup->setGeometry(10, 8, 217, 73);
    m_findText = new QComboBox(m_textGroup);
    m_findText->setObjectName(QStringLiteral("FindTextEdit"));
    m_findText->setEditable(true);
    // The history is kept by the Find button alone, and what is typed stays
    // what is searched: no insertion on Enter, no completion from the history.
    m_findText->setInsertPolicy(QComboBox::NoInsert);
    m_findText->setCompleter(nullptr);
    m_findText->setGeometry(10, 18, 198, m_findText->sizeHint().height());
    m_matchCase = new QCheckBox(QStringLiteral("Case sensitive"), m_textGroup);
    m_matchCase->setObjectName(QStringLiteral("FindMatchCase"));
    m_matchCase->setGeometry(10, 48, 90, 17);
    m_wholeWords = new QCheckBox(QStringLiteral("Whole words only"), m_textGroup);
    m_wholeWords->setObjectName(QStringLiteral("FindWholeWords"));
    m_wholeWords->setGeometry(104, 48, 103, 17);

    m_searchInRadio = new QGroupBox(QStringLiteral("Search in"), this);
    m_searchInRadio->setObjectName(QStringLiteral("SearchInRadio"));
    m_searchInRadio->setGeometry(10, 88, 217, 84);
    m_scopes = new QButtonGroup(this);
    for (int index = 0; index < static_cast<int>(ScopeCaptions.size()); ++index) {
        auto* item =
            new QRadioButton(ScopeCaptions[static_cast<std::size_t>(index)], m_searchInRadio);
        item->setGeometry(8, 18 + index * 20, 201, 17);
        m_scopes->addButton(item, index);
    }
}

QString TFormFind::findText() const
{
    return m_findText->currentText();
}

std::optional<SearchScope> TFormFind::searchIn() const
{
    const int index = m_scopes->checkedId();
    if (index < 0)
        return std::nullopt;
    return static_cast<SearchScope>(index);
}

FindValues TFormFind::values() const
{
    return {ToUtf8(findText()), m_scopes->checkedId(), m_matchCase->isChecked(),
            m_wholeWords->isChecked()};
}

void TFormFind::setValues(const FindValues& values)
{
    m_findText->setEditText(FromUtf8(values.text));
    if (QAbstractButton* scope = m_scopes->button(values.searchIn)) {
        scope->setChecked(true);
    } else if (QAbstractButton* checked = m_scopes->checkedButton()) {
        m_scopes->setExclusive(false);
        checked->setChecked(false);
        m_scopes->setExclusive(true);
    }
    m_matchCase->setChecked(values.matchCase);
    m_wholeWords->setChecked(values.wholeWords);
}

void TFormFind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = frameGeometry();
    move(screen.x() + screen.width() / 2 - frame.width() / 2,
         screen.y() + screen.height() / 2 - frame.height() / 2);
    setValues(m_memory.opened(values()));
    m_findText->setFocus();
    m_findText->lineEdit()->selectAll();
}

void TFormFind::done(int result)
{
    if (const auto saved = m_memory.closed())
        setValues(*saved);
    QDialog::done(result);
}

void TFormFind::findButtonClick()
{
    const QString text = findText();
    if (text.isEmpty())
        return;
    m_searchStart.newSearch();
    const FindHistory::Change change = m_history.add(ToUtf8(text));
    if (change.inserted)
        m_findText->insertItem(0, text);
    if (change.droppedLast)
        m_findText->removeItem(static_cast<int>(FindHistory::MaxEntries));
    m_findText->setEditText(text);

    hide();
    m_window.repaintWindow();
    runSearch();
    m_memory.searchStarted();
    accept();
}

void TFormFind::runSearch()
{
    const QString typed = findText();
    // A character the code page lacks is in no list: no hit.
    const std::optional<std::string> text = Utf8ToCp437Exact(ToUtf8(typed));
    const SearchScope scope = searchIn().value_or(SearchScope::CurrentCategory);
    bool hit = false;
    try {
        const SearchStatus status(m_window, SearchingStatus);
        hit = scope == SearchScope::CurrentTopic ? searchShownTopic(text)
                                                 : searchTopicLines(scope, text);
    } catch (const std::exception&) {
        hit = false;
    }
    if (hit)
        return;
    m_messages.inform(FromUtf8(NotFoundText(ToUtf8(typed))));
    m_searchStart.miss();
}

bool TFormFind::searchTopicLines(SearchScope scope, const std::optional<std::string>& text)
{
    if (!text)
        return false;
    const LoadedList& list = m_window.searchedList();
    const SearchPattern pattern(*text, {m_matchCase->isChecked(), m_wholeWords->isChecked()});
    const auto hit = FindTopicLine(list, scope, pattern, m_searchStart.value());
    if (!hit)
        return false;
    showFoundTopic(*hit, ShowsHitInFirstCategory(scope, list.view.currentCategory));
    return true;
}

bool TFormFind::searchShownTopic(const std::optional<std::string>& text)
{
    TopicView& view = m_window.searchedView();
    std::optional<std::size_t> hit;
    if (text) {
        const SearchPattern pattern(*text, {m_matchCase->isChecked(), m_wholeWords->isChecked()});
        const auto from = static_cast<std::size_t>(m_searchStart.value());
        hit = pattern.options().matchCase
                  ? FindForward(view.searchText(), pattern, from)
                  : FindForward(Haystack(view.searchText(), pattern), pattern, from);
    }
    if (hit)
        m_searchStart.hitInText(static_cast<std::int32_t>(*hit));
    else
        m_searchStart.miss();
    view.selectRange(0, 0);
    if (!hit)
        return false;
    view.setFocus();
    view.selectRange(static_cast<int>(*hit), static_cast<int>(text->size()));
    return true;
}

void TFormFind::showFoundTopic(int row, bool inFirstCategory)
{
    if (inFirstCategory)
        m_window.showFirstCategory(row);
    else
        m_window.clickGridRow(row);
    if (!m_window.singleClickView())
        m_window.loadTopic(m_window.searchedList().view.selectedTopic);
    m_searchStart.hitOnGridRow(m_window.gridRow());
}

std::optional<TopicNumber> TFormFind::locateTopic(std::string_view prefix,
                                                  std::string_view fragment)
{
    const LocateQuery query(prefix, fragment);
    std::optional<TopicNumber> found;
    {
        const SearchStatus status(m_window, LocatingStatus);
        found = LocateTopic(m_window.searchedList().topics(), query);
    }
    m_locateFailed = !found;
    if (!found) {
        m_searchStart.miss();
        return found;
    }
    showTopic(*found);
    return found;
}

void TFormFind::showTopic(TopicNumber topic)
{
    showFoundTopic(static_cast<int>(topic),
                   m_window.searchedList().view.currentCategory != AllCategoriesCode);
}

void TFormFind::listClosed()
{
    m_searchStart.listClosed();
}

void TFormFind::topicLoaded()
{
    m_searchStart.topicLoaded(searchIn() == SearchScope::CurrentTopic);
}

} // namespace zelt
