#include "ui/design_layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QListWidget>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>

namespace zelt {

namespace {

// The room beside a group box's title and around a check-list item's text:
// its check box, margins and the frame.
constexpr int GroupTitleMargin = 16;
constexpr int CheckItemMargin = 28;

int NeededWidth(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->sizeHint().width();
    if (const auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->fontMetrics().horizontalAdvance(group->title()) + GroupTitleMargin;
    if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
        return widest + CheckItemMargin + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    return 0;
}

void MoveDown(QWidget& control, int pixels)
{
    control.move(control.x(), control.y() + pixels);
}

} // namespace

void DesignLayout::place(QWidget& control, int left, int top, int width, int height)
{
    m_placements.push_back({&control, QRect(left, top, width, height)});
}

double DesignLayout::widthFactor() const
{
    double factor = 1.0;
    for (const Placement& placement : m_placements) {
        const int designWidth = scaled(placement.design.width());
        if (designWidth > 0)
            factor = std::max(factor, double(NeededWidth(*placement.control)) / designWidth);
    }
    return factor;
}

// Moves the group's controls below its title, and what stands below the
// group down as far.
void DesignLayout::lowerBelowTitle(const Placement& group)
{
    QWidget& box = *group.control;
    int top = std::numeric_limits<int>::max();
    for (const Placement& placement : m_placements) {
        if (placement.control->parentWidget() == &box)
            top = std::min(top, placement.control->y());
    }
    const int lower = box.contentsRect().top() - top;
    if (lower <= 0)
        return;
    for (const Placement& placement : m_placements) {
        QWidget& control = *placement.control;
        if (control.parentWidget() == &box ||
            (control.parentWidget() == box.parentWidget() &&
             placement.design.top() >= group.design.top() + group.design.height()))
            MoveDown(control, lower);
    }
    box.resize(box.width(), box.height() + lower);
}

QSize DesignLayout::finish(int clientWidth, int clientHeight)
{
    const double factor = widthFactor();
    const auto across = [&](int designPixels) {
        return static_cast<int>(std::lround(scaled(designPixels) * factor));
    };
    for (const Placement& placement : m_placements) {
        const QRect& design = placement.design;
        const int height =
            design.height() > 0 ? scaled(design.height()) : placement.control->sizeHint().height();
        placement.control->setGeometry(across(design.left()), scaled(design.top()),
                                       across(design.width()), height);
    }
    // Groups in the order they stand, so that a lower one starts from where
    // the one above it left it.
    std::vector<const Placement*> groups;
    for (const Placement& placement : m_placements) {
        if (qobject_cast<QGroupBox*>(placement.control) != nullptr)
            groups.push_back(&placement);
    }
    std::ranges::stable_sort(groups, {},
                             [](const Placement* group) { return group->design.top(); });
    std::vector<int> bottoms;
    for (const Placement& placement : m_placements)
        bottoms.push_back(placement.control->geometry().bottom());
    for (const Placement* group : groups)
        lowerBelowTitle(*group);
    // The client area grows by as much as its lowest control went down.
    int grown = 0;
    for (std::size_t i = 0; i < m_placements.size(); ++i) {
        if (!isPlaced(m_placements[i].control->parentWidget()))
            grown = std::max(grown, m_placements[i].control->geometry().bottom() - bottoms[i]);
    }
    return {across(clientWidth), scaled(clientHeight) + grown};
}

bool DesignLayout::isPlaced(const QWidget* control) const
{
    return std::ranges::any_of(m_placements, [control](const Placement& placement) {
        return placement.control == control;
    });
}

} // namespace zelt
