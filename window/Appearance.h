#pragma once
#include <optional>
#include <string>

#include "runtime/Rgb.h"

namespace quiz {

// Position and size in twips from the top-left corner of the client area.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool contains(int x, int y) const { return x >= left && x < left + width && y >= top && y < top + height; }
    int centreX() const { return left + width / 2; }
    int centreY() const { return top + height / 2; }
};

struct Font {
    std::string family = "MS Sans Serif";
    double points = 8.25;
    int weight = 400;  // 400 normal, 600 semi-bold, 700 bold, 800 extra bold
    bool italic = false;
};

// How a control looks; the logic never reads it.
struct Appearance {
    Rect rect;
    Font font;
    bool graphical = false;        // button showing BackColor and Picture
    std::optional<Rgb> foreColor;  // labels
    std::string icon;              // resource name of a button's picture
    std::string accessibleName;    // what a screen reader announces
};

}  // namespace quiz
