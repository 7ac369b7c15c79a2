#pragma once

#include <QString>
#include <vector>

#include "assets/pictures/VectorShape.h"

namespace quiz::assets {

// Writes shapes as an SVG document: one <path> per shape, its gradient in
// <defs>. Enough of SVG for our own drawings: solid and gradient fills
// (linear, radial), pens with cap and join, both fill rules.
class SvgWriter {
public:
    // designSize: the side of the square the shapes are drawn in (the
    // viewBox); pixelSize: the size the document asks to be shown at.
    static QString write(const std::vector<VectorShape>& shapes, int designSize, int pixelSize, const QString& title);

private:
    static QString pathData(const QPainterPath& path);
    static QString paint(const QBrush& brush, const QString& id, QString& defs);
    static QString stroke(const QPen& pen);
};

}  // namespace quiz::assets
