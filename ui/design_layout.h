#pragma once

#include "ui/screen_scale.h"

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace zelt {

// Controls at the positions of a dialog's design, in design pixels relative to
// their parents. The design fits its texts in the font it was drawn with;
// where the font in use needs more room, the whole layout is widened by one
// factor, and a group box whose title needs more height than the design gave
// it moves its controls, and what stands below it, down.
class DesignLayout {
public:
    explicit DesignLayout(ScreenScale scale = {})
        : m_scale(scale)
    {}

    // A height of 0 keeps the control's own.
    void place(QWidget& control, int left, int top, int width, int height = 0);
    // Sets every placed control; the client area's size for the design's.
    QSize finish(int clientWidth, int clientHeight);
    int scaled(int designPixels) const { return m_scale.scaled(designPixels); }

private:
    struct Placement {
        QWidget* control;
        QRect design;
    };

    double widthFactor() const;
    void lowerBelowTitle(const Placement& group);
    bool isPlaced(const QWidget* control) const;

    ScreenScale m_scale;
    std::vector<Placement> m_placements;
};

} // namespace zelt
