#pragma once
#include <QPointF>
#include <QRect>
#include <cmath>

#include "window/Appearance.h"

namespace quiz {

// Twips and pixels: 1440 twips to the inch at the screen's logical DPI, so
// 15 twips to the pixel at 96 DPI and the window grows with the DPI.
class QtScale {
public:
    explicit QtScale(double dpi = 96.0) : dpi_(dpi > 0 ? dpi : 96.0) {}
    double dpi() const { return dpi_; }
    double factor() const { return dpi_ / 96.0; }
    int px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }
    // Both edges are rounded, so controls that touch in twips touch on screen.
    QRect rect(const Rect& r) const {
        const int l = px(r.left), t = px(r.top);
        return {l, t, px(r.left + r.width) - l, px(r.top + r.height) - t};
    }
    // The twips under the centre of the pixel at a point of the client area.
    int twips(double px) const { return static_cast<int>(std::floor((std::floor(px) + 0.5) * 1440.0 / dpi_)); }

private:
    double dpi_;
};

}  // namespace quiz
