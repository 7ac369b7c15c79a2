#pragma once

#include <QBrush>
#include <QPainterPath>
#include <QPen>

namespace quiz::assets {

// One filled and outlined path of a drawing, in the drawing's own
// coordinates: what QPainter paints and what the SVG icon is written from,
// so the two cannot drift apart.
struct VectorShape {
    QPainterPath path;
    QBrush fill;
    QPen pen;
};

}  // namespace quiz::assets
