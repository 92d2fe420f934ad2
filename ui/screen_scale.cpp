#include "ui/screen_scale.h"

#include "app/screen_scaling.h"

#include <QWidget>
#include <cmath>

namespace zelt {

ScreenScale::ScreenScale(double logicalDpi, double devicePixelRatio)
    : m_logicalDpi(logicalDpi)
    , m_devicePixelRatio(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
{}

ScreenScale ScreenScale::Of(const QWidget& widget)
{
    return ScreenScale(widget.logicalDpiY(), widget.devicePixelRatioF());
}

int ScreenScale::scaled(int designPixels) const noexcept
{
    const int physical =
        ScaleToResolution(designPixels, static_cast<int>(std::lround(pixelsPerInch())));
    return static_cast<int>(std::lround(physical / m_devicePixelRatio));
}

} // namespace zelt
