#pragma once

#include <QPainterPath>
#include <QRectF>

namespace quiz::assets {

// The digits 1, 2 and 3 as stroke paths, so the player pictures need no font
// and look the same on every build machine.
class DigitPath {
public:
    // The centre line of the digit inside box; stroke it with a round pen.
    static QPainterPath digit(int value, const QRectF& box);
};

}  // namespace quiz::assets
