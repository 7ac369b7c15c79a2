#include "assets/pictures/DigitPath.h"

#include <QTransform>

namespace quiz::assets {

QPainterPath DigitPath::digit(int value, const QRectF& box) {
    // Drawn in a unit box, then scaled into place.
    QPainterPath p;
    switch (value) {
        case 1:
            p.moveTo(0.22, 0.26);
            p.lineTo(0.58, 0.05);
            p.lineTo(0.58, 0.95);
            p.moveTo(0.28, 0.95);
            p.lineTo(0.88, 0.95);
            break;
        case 2:
            p.arcMoveTo(QRectF(0.17, -0.02, 0.66, 0.66), 160);
            p.arcTo(QRectF(0.17, -0.02, 0.66, 0.66), 160, -200);
            p.lineTo(0.14, 0.95);
            p.lineTo(0.9, 0.95);
            break;
        case 3:
            p.arcMoveTo(QRectF(0.28, 0.04, 0.46, 0.46), 155);
            p.arcTo(QRectF(0.28, 0.04, 0.46, 0.46), 155, -245);
            p.arcTo(QRectF(0.24, 0.47, 0.52, 0.5), 90, -250);
            break;
        default: break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t.map(p);
}

}  // namespace quiz::assets
