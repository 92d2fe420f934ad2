#pragma once

#include "browse/grid_navigation.h"

#include <QTableView>

namespace zelt {

// TopicsStringGrid: whole-row selection over the virtual topics model. The
// grid moves its row itself only for the keys of its key table; a row set
// from program code never runs the click behaviour, the grid asks for it
// through its signals after a mouse click or a handled key.
//
// A grid column's width excludes the one-pixel separator that the delegate
// draws at its right edge; the header section above it includes it.
class TopicsGrid final : public QTableView {
    Q_OBJECT

public:
    explicit TopicsGrid(QWidget* parent);

    int currentRow() const;
    // Selects a row from program code, without the click behaviour.
    void setCurrentRow(int row);
    int fullyVisibleRows() const;
    // A key of the key table: the move with the click behaviour suspended, a
    // repaint, then the click behaviour once, also when the row stays.
    void handleKey(GridKey key);

    int topicColumnWidth() const;
    void setTopicColumnWidth(int width);
    // The title column takes the rest of the grid's width.
    void fitTitleColumn();

    // Typed characters do nothing: the grid has no incremental search.
    void keyboardSearch(const QString& search) override;

Q_SIGNALS:
    void clickBehaviourRequested();
    void doubleClickBehaviourRequested();
    // The user dragged a header section's divider; not sent for the grid's
    // own column sizing.
    void headerSectionDragged(int section);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void resizeSection(int section, int size);

    bool m_sizingColumns = false;
};

} // namespace zelt
