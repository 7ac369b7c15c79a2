#pragma once

#include <vector>

#include "assets/pictures/VectorShape.h"

namespace quiz::assets {

// The rocket of the Start button and of the game's icon, as shapes on the
// 32 x 32 design grid, bottom first. IconPainter paints them; SvgWriter
// writes them as the scalable icon.
class RocketDrawing {
public:
    static std::vector<VectorShape> shapes();
};

}  // namespace quiz::assets
