#pragma once
#include <QPointer>
#include <QWidget>

#include "window/platform/Lifecycle.h"

namespace quiz {

// Unloading hides the window; the end of the program leaves Qt's event loop
// (the window model has already stopped every handler).
class QtLifecycle : public Lifecycle {
public:
    void setWindow(QWidget* window) { window_ = window; }
    void unload() override;
    void end() override;
    void runtimeError(const std::string& message) override;
    bool ended() const { return ended_; }

private:
    QPointer<QWidget> window_;
    bool ended_ = false;
};

}  // namespace quiz
