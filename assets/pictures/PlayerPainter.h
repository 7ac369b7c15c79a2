#pragma once

#include <QImage>

class QPainter;

namespace quiz::assets {

// The pictures that mark whose turn it is: a big digit and a small figure on
// the player's own colour. Player 1 is a yellow astronaut, player 2 a red
// alien with pointed ears, player 3 a blue robot.
class PlayerPainter {
public:
    static constexpr int width = 100;
    static constexpr int height = 75;

    static QImage paint(int player);

private:
    static void astronaut(QPainter& p);
    static void alien(QPainter& p);
    static void robot(QPainter& p);
};

}  // namespace quiz::assets
