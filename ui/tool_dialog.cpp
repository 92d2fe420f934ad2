#include "ui/tool_dialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QListWidget>
#include <QStyle>
#include <algorithm>
#include <cmath>

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

} // namespace

ToolDialog::ToolDialog(const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    if (parent != nullptr) {
        setFont(parent->font());
        m_scale = ScreenScale::Of(*parent);
    }
}

void ToolDialog::place(QWidget& control, int left, int top, int width, int height)
{
    m_placements.push_back({&control, QRect(left, top, width, height)});
}

double ToolDialog::widthFactor() const
{
    double factor = 1.0;
    for (const Placement& placement : m_placements) {
        const int designWidth = scaled(placement.design.width());
        if (designWidth > 0)
            factor = std::max(factor, double(NeededWidth(*placement.control)) / designWidth);
    }
    return factor;
}

void ToolDialog::finishLayout(int clientWidth, int clientHeight)
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
    setFixedSize(across(clientWidth), scaled(clientHeight));
}

} // namespace zelt
