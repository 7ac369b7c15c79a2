#pragma once

#include <QImage>

namespace quiz::assets {

// Reduces a picture to the classic 16-colour palette (plus transparency),
// for the icon that the Start button shows in its plain state.
class SixteenColours {
public:
    static QImage reduce(const QImage& picture);
};

}  // namespace quiz::assets
