#include "ui/main_panel.h"

#include "browse/grid_geometry.h"
#include "browse/pane_layout.h"
#include "settings/settings.h"
#include "app/program_state.h"
#include "ui/screen_scale.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_delegate.h"
#include "ui/topics_grid_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelt {

namespace {

const QString TopicsHeaderHint = QStringLiteral("Drag to resize columns");
const QString CurrentTopicHint = QStringLiteral("Current topic");
const QString SeeAlsoHint = QStringLiteral("See Also");

void PopUpAt(QMenu& menu, const QPoint& globalPos)
{
    if (!menu.isEmpty())
        menu.popup(globalPos);
}

} // namespace

MainPanel::MainPanel(const LoadedList& list, Settings& settings, const ProgramState& program,
                     QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_program(program)
    , m_model(new TopicsGridModel(list, this))
{
    setObjectName(QStringLiteral("PanelMain"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setHandleWidth(SplitterHeight);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setOpaqueResize(true);
    layout->addWidget(m_splitter);
    buildTopicsPane(list);
    buildTopicPane();
    setMinimumHeight(MinimumMainPanelHeight());
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainPanel::recordSplit);
}

void MainPanel::buildTopicsPane(const LoadedList& list)
{
    m_panelTopics = new QFrame(m_splitter);
    m_panelTopics->setObjectName(QStringLiteral("PanelTopics"));
    m_panelTopics->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panelTopics->setMinimumHeight(SplitterMinSize);
    auto* layout = new QVBoxLayout(m_panelTopics);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    m_grid = new TopicsGrid(m_panelTopics);
    m_grid->setObjectName(QStringLiteral("TopicsStringGrid"));
    m_grid->setAccessibleName(QStringLiteral("Topics"));
    m_grid->setModel(m_model);
    m_delegate = new TopicsGridDelegate(list, m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setShowGrid(false);
    m_grid->setWordWrap(false);
    m_grid->setFrameShape(QFrame::NoFrame);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setTabKeyNavigation(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->verticalHeader()->hide();
    // A fixed row height keeps filling and filtering large lists instant.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(GridRowHeight(8, 96));

    QHeaderView* header = m_grid->horizontalHeader();
    header->setObjectName(QStringLiteral("TopicsHeader"));
    header->setAccessibleName(TopicsHeaderHint);
    header->setStatusTip(TopicsHeaderHint);
    // The header keeps the window's font while the grid takes the view font.
    QFont headerFont = font();
    headerFont.setFamily(headerFont.family());
    headerFont.setPointSize(headerFont.pointSize());
    header->setFont(headerFont);
    header->setFixedHeight(HeaderStripHeight);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(1);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setTopicColumnWidth(DefaultTopicsColumnWidth);
    // A dragged section gives its width less the separator to its column; the
    // fitting then gives the title column the rest again, so only the topic
    // column changes.
    connect(m_grid, &TopicsGrid::headerSectionDragged, this, &MainPanel::fitPanes);
    layout->addWidget(m_grid);
}

void MainPanel::buildTopicPane()
{
    m_panelCurrentTopic = new QFrame(m_splitter);
    m_panelCurrentTopic->setObjectName(QStringLiteral("PanelCurrentTopic"));
    m_panelCurrentTopic->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panelCurrentTopic->setMinimumHeight(SplitterMinSize);
    m_panelCurrentTopic->setBackgroundRole(QPalette::Base);
    m_panelCurrentTopic->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(m_panelCurrentTopic);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    m_headerStrip = new QFrame(m_panelCurrentTopic);
    m_headerStrip->setObjectName(QStringLiteral("PanelCurrentTopicHeader"));
    m_headerStrip->setFixedHeight(HeaderStripHeight);
    auto* strip = new QHBoxLayout(m_headerStrip);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(4);

    m_seeAlsoMenu = new QMenu(this);
    m_seeAlsoMenu->setObjectName(QStringLiteral("PopupMenuSeeAlso"));
    m_seeAlsoButton = new QToolButton(m_headerStrip);
    m_seeAlsoButton->setObjectName(QStringLiteral("SpeedButtonSeeAlsoMenu"));
    m_seeAlsoButton->setArrowType(Qt::DownArrow);
    m_seeAlsoButton->setAutoRaise(true);
    m_seeAlsoButton->setToolTip(SeeAlsoHint);
    m_seeAlsoButton->setStatusTip(SeeAlsoHint);
    m_seeAlsoButton->setAccessibleName(SeeAlsoHint);
    m_seeAlsoButton->setFixedSize(HeaderStripHeight, HeaderStripHeight);
    m_seeAlsoButton->setEnabled(false);
    connect(m_seeAlsoButton, &QToolButton::clicked, this, &MainPanel::popUpSeeAlsoMenu);

    auto* topicLabel = new QLabel(QStringLiteral("Topic:"), m_headerStrip);
    topicLabel->setObjectName(QStringLiteral("LabelTopic"));
    topicLabel->setStatusTip(CurrentTopicHint);
    m_currentTopicId = new QLabel(m_headerStrip);
    m_currentTopicId->setObjectName(QStringLiteral("LabelCurrentTopicID"));
    m_currentTopicId->setStatusTip(CurrentTopicHint);
    m_currentTopicId->setAccessibleName(CurrentTopicHint);
    m_currentTopicId->setTextFormat(Qt::PlainText);
    topicLabel->setBuddy(m_currentTopicId);
    strip->addWidget(m_seeAlsoButton);
    strip->addWidget(topicLabel);
    strip->addWidget(m_currentTopicId, 1);
    layout->addWidget(m_headerStrip);

    m_topicView = new TopicView(m_panelCurrentTopic);
    m_topicView->setObjectName(QStringLiteral("CurrentTopic"));
    m_topicView->setAccessibleName(QStringLiteral("Topic text"));
    m_topicView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_topicView->setEnabled(false);
    m_topicView->hide();
    layout->addWidget(m_topicView, 1);
    layout->addStretch(0);
}

QHeaderView* MainPanel::topicsHeader() const
{
    return m_grid->horizontalHeader();
}

void MainPanel::setPopupMenus(QMenu* topicsPopup, QMenu* topicViewPopup)
{
    const auto popUpFrom = [](QWidget* owner, QMenu* menu) {
        connect(owner, &QWidget::customContextMenuRequested, menu,
                [owner, menu](const QPoint& pos) { PopUpAt(*menu, owner->mapToGlobal(pos)); });
    };
    popUpFrom(m_grid, topicsPopup);
    popUpFrom(topicsHeader(), topicsPopup);
    popUpFrom(m_topicView, topicViewPopup);
}

void MainPanel::setTopicFont(const QFont& font, const ScreenScale& scale)
{
    // Widget sizes are in pixels of the device pixel ratio.
    const double pixelsPerInch = scale.pixelsPerInch() / scale.devicePixelRatio();
    m_topicView->setViewFont(font, pixelsPerInch);
    m_grid->setFont(font);
    const int rowHeight = GridRowHeight(font.pointSize(), RoundHalfToEven(scale.pixelsPerInch()));
    m_grid->verticalHeader()->setDefaultSectionSize(
        std::max(1, RoundHalfToEven(rowHeight / scale.devicePixelRatio())));
}

void MainPanel::setFirstColumnWidth(int width)
{
    m_grid->setTopicColumnWidth(width);
}

int MainPanel::firstColumnWidth() const
{
    return m_grid->topicColumnWidth();
}

void MainPanel::popUpSeeAlsoMenu()
{
    PopUpAt(*m_seeAlsoMenu,
            m_seeAlsoButton->mapToGlobal(QPoint(-2, m_seeAlsoButton->height() + 2)));
}

void MainPanel::fitPanes()
{
    if (m_panelTopics->isHidden())
        return;
    const int total = height();
    const int room = total - SplitterHeight;
    const int topics = FitTopicsPaneHeight(total, m_settings.TopicsHeightPerc);
    if (room > 0 && topics > 0)
        m_splitter->setSizes({topics, room - topics});
    m_grid->fitTitleColumn();
    setMinimumHeight(MinimumMainPanelHeight());
}

void MainPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitPanes();
}

void MainPanel::recordSplit()
{
    if (const auto share = RecordedTopicsHeightPerc(m_program.mainWindowShown,
                                                    m_panelTopics->height(), m_splitter->height()))
        m_settings.TopicsHeightPerc = *share;
}

} // namespace zelt
