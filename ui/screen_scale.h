#pragma once

class QWidget;

namespace zelt {

// The screen resolution as the sizes of the design are given for: 96 pixels per
// inch is 1:1. Qt already scales by the device pixel ratio, so a size in
// physical pixels is divided by that ratio to become a widget size.
class ScreenScale {
public:
    ScreenScale() = default;
    ScreenScale(double logicalDpi, double devicePixelRatio);
    static ScreenScale Of(const QWidget& widget);

    double pixelsPerInch() const noexcept { return m_logicalDpi * m_devicePixelRatio; }
    bool isDesignResolution() const noexcept { return pixelsPerInch() == 96.0; }
    double ratio() const noexcept { return pixelsPerInch() / 96.0; }
    double devicePixelRatio() const noexcept { return m_devicePixelRatio; }
    // The same in widget pixels, which Qt scales by the device pixel ratio itself.
    double widgetRatio() const noexcept { return m_logicalDpi / 96.0; }

    // The design size in physical pixels at this resolution, as widget pixels.
    int scaled(int designPixels) const noexcept;

private:
    double m_logicalDpi = 96.0;
    double m_devicePixelRatio = 1.0;
};

} // namespace zelt
