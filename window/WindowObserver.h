#pragma once
#include "window/ControlKind.h"

namespace quiz {

class Control;

// Told of everything the window model does; the transcript and the Qt view
// are observers. A null control means the window itself (or no focus).
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void eventDelivered(const Control* /*target*/, EventKind /*kind*/, int /*code*/) {}
    virtual void propertyChanged(const Control& /*control*/, Property /*what*/) {}
    virtual void focusMoved(const Control* /*control*/) {}
};

}  // namespace quiz
