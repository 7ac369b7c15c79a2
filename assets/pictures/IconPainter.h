#pragma once

#include <QImage>

class QPainter;

namespace quiz::assets {

// The button icons. Each motif is drawn on a 32 x 32 design grid and rendered
// at any size; small sizes are painted large and scaled down, which gives
// clean antialiased edges.
class IconPainter {
public:
    enum class Motif { Start, NewGame, Next, Background, Exit };

    static QImage paint(Motif motif, int size);

private:
    static void rocket(QPainter& p);
    static void circularArrows(QPainter& p);
    static void arrowRight(QPainter& p);
    static void pictureFrame(QPainter& p);
    static void power(QPainter& p);
};

}  // namespace quiz::assets
