#pragma once

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

namespace quiz::assets {

// The window background: deep space with a pale nebula on the left, a
// ringed planet in the lower right, a small moon and a starfield.
//
// The window writes dark blue labels over the left third and yellow labels
// elsewhere, so the pale part of the nebula lies behind the blue labels and
// everything around the yellow ones stays dark.
class BackgroundPainter {
public:
    static constexpr int width = 800;
    static constexpr int height = 600;

    static QImage paint();

    // Where the window puts its blue and its yellow labels, in pixels.
    static std::vector<QRect> blueLabelAreas();
    static std::vector<QRect> yellowLabelAreas();

private:
    static void paintNebula(QImage& image);
    static void paintStars(QPainter& painter);
    static void paintPlanet(QPainter& painter);
    static void paintMoon(QPainter& painter);
};

}  // namespace quiz::assets
