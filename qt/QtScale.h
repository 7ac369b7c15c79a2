#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>

#include "window/Appearance.h"
#include "window/MainWindow.h"

namespace quiz {

// Twips and the pixels of the view. The layout stays as designed, 11940 x
// 8940 twips; only how many pixels a twip gets changes, as a higher screen
// DPI would change it: 1440 twips to the inch at dpi(), 15 twips to the
// pixel at 96 DPI. The client area sits at origin() of the view; around it,
// when the view's shape differs from the layout's, lie the margins.
class QtScale {
public:
    explicit QtScale(double dpi = 96.0, QPoint origin = {}, double screenDpi = 96.0)
        : dpi_(dpi > 0 ? dpi : 96.0), origin_(origin), screenDpi_(screenDpi > 0 ? screenDpi : 96.0) {}
    // The largest scale at which the client area fits into a view of that
    // size, centred in it.
    static QtScale fitting(QSize view, double screenDpi) {
        const double dpi = std::max(1.0, std::min(view.width() * 1440.0 / MainWindow::clientWidth,
                                                  view.height() * 1440.0 / MainWindow::clientHeight));
        const QtScale s(dpi, {}, screenDpi);
        return QtScale(
            dpi,
            {(view.width() - s.px(MainWindow::clientWidth)) / 2, (view.height() - s.px(MainWindow::clientHeight)) / 2},
            screenDpi);
    }

    double dpi() const { return dpi_; }
    // Pixels per pixel of the design at 96 DPI.
    double factor() const { return dpi_ / 96.0; }
    // How much larger than the screen's own text size the text is drawn.
    double fontFactor() const { return dpi_ / screenDpi_; }
    QPoint origin() const { return origin_; }
    // A length in pixels.
    int px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }
    // A rectangle of the layout in the view. Both edges are rounded, so
    // controls that touch in twips touch on screen.
    QRect rect(const Rect& r) const {
        const int l = px(r.left), t = px(r.top);
        return QRect(l, t, px(r.left + r.width) - l, px(r.top + r.height) - t).translated(origin_);
    }
    QRect client() const { return rect({0, 0, MainWindow::clientWidth, MainWindow::clientHeight}); }
    // The twips under the centre of the view's pixel at x (or y); outside the
    // client area, in the margins, they lie outside the layout.
    int twipsX(double x) const { return twips(x - origin_.x()); }
    int twipsY(double y) const { return twips(y - origin_.y()); }
    bool operator==(const QtScale& o) const { return dpi_ == o.dpi_ && origin_ == o.origin_; }
    bool operator!=(const QtScale& o) const { return !(*this == o); }

private:
    int twips(double px) const { return static_cast<int>(std::floor((std::floor(px) + 0.5) * 1440.0 / dpi_)); }

    double dpi_;
    QPoint origin_;
    double screenDpi_;
};

}  // namespace quiz
