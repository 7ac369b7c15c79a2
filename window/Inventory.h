#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "window/Control.h"
#include "window/ControlKind.h"

namespace quiz {

// One control of the window as designed: its name, kind and design data.
struct ControlSpec {
    std::string name;
    ControlKind kind;
    ControlDesign design;
};

// The inventory of frmmain2dot0's controls, by name.
class Inventory {
public:
    static const std::vector<ControlSpec>& all();
    // The control of that name; only the window's own names are asked for.
    static const ControlSpec& of(std::string_view name);
};

}  // namespace quiz
