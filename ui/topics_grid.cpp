#include "ui/topics_grid.h"

#include "browse/pane_layout.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <optional>

namespace zelt {

namespace {

std::optional<GridKey> GridKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return GridKey::Up;
    case Qt::Key_Down:
        return GridKey::Down;
    case Qt::Key_PageUp:
        return GridKey::PageUp;
    case Qt::Key_PageDown:
        return GridKey::PageDown;
    case Qt::Key_Home:
        return GridKey::Home;
    case Qt::Key_End:
        return GridKey::End;
    default:
        return std::nullopt;
    }
}

} // namespace

TopicsGrid::TopicsGrid(QWidget* parent)
    : QTableView(parent)
{
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (!m_sizingColumns)
            Q_EMIT headerSectionDragged(section);
    });
    // A double click on a divider would size the column to its texts, without
    // the category box; the width changes only by dragging.
    horizontalHeader()->disconnect(SIGNAL(sectionHandleDoubleClicked(int)), this);
}

int TopicsGrid::currentRow() const
{
    return currentIndex().row();
}

void TopicsGrid::setCurrentRow(int row)
{
    if (model() == nullptr || row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

int TopicsGrid::fullyVisibleRows() const
{
    const int rowHeight = verticalHeader()->defaultSectionSize();
    return rowHeight > 0 ? viewport()->height() / rowHeight : 0;
}

void TopicsGrid::handleKey(GridKey key)
{
    const int rows = model() != nullptr ? model()->rowCount() : 0;
    if (const auto target = GridKeyTarget(key, currentRow(), rows, fullyVisibleRows()))
        setCurrentRow(*target);
    viewport()->update();
    Q_EMIT clickBehaviourRequested();
}

int TopicsGrid::topicColumnWidth() const
{
    return ColumnWidthOfHeaderSection(horizontalHeader()->sectionSize(0));
}

void TopicsGrid::setTopicColumnWidth(int width)
{
    resizeSection(0, HeaderSectionWidthOfColumn(width));
}

void TopicsGrid::fitTitleColumn()
{
    const int title = TitleColumnWidth(width(), topicColumnWidth());
    resizeSection(1, std::max(1, HeaderSectionWidthOfColumn(title)));
}

void TopicsGrid::resizeSection(int section, int size)
{
    const bool nested = m_sizingColumns;
    m_sizingColumns = true;
    horizontalHeader()->resizeSection(section, size);
    m_sizingColumns = nested;
}

void TopicsGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT doubleClickBehaviourRequested();
        return;
    }
    if (const auto key = GridKeyOf(event->key())) {
        event->accept();
        handleKey(*key);
        return;
    }
    // Nothing else, not even the view's copy of the current cell on Ctrl+C
    // while the Copy command is greyed.
    event->ignore();
}

// Only the left button alone selects. The buttons are filtered here rather than
// in selectionCommand because the view moves its current row, and with it the
// selected topic, on a press or drag whatever that command says.
void TopicsGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::LeftButton)
        QTableView::mousePressEvent(event);
}

void TopicsGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton || event->buttons() == Qt::LeftButton)
        QTableView::mouseMoveEvent(event);
}

void TopicsGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        Q_EMIT clickBehaviourRequested();
}

void TopicsGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClickBehaviourRequested();
}

// The selected row's colours and outline depend on the focus.
void TopicsGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void TopicsGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->repaint();
}

void TopicsGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitTitleColumn();
}

// The title column runs on under the vertical scroll bar; the grid never
// scrolls sideways to show that part.
void TopicsGrid::updateGeometries()
{
    QTableView::updateGeometries();
    horizontalScrollBar()->setRange(0, 0);
}

QItemSelectionModel::SelectionFlags TopicsGrid::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const
{
    const auto flags = QTableView::selectionCommand(index, event);
    if (flags == QItemSelectionModel::NoUpdate)
        return flags;
    // A Ctrl+click must not leave the grid without a selected row.
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void TopicsGrid::keyboardSearch(const QString&) {}

} // namespace zelt
