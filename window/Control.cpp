#include "window/Control.h"

#include <algorithm>

#include "runtime/RuntimeError.h"
#include "window/Inventory.h"
#include "window/MainWindow.h"

namespace quiz {

const char* eventName(EventKind k) {
    switch (k) {
        case EventKind::Load: return "Load";
        case EventKind::Click: return "Click";
        case EventKind::GotFocus: return "GotFocus";
        case EventKind::LostFocus: return "LostFocus";
        case EventKind::KeyPress: return "KeyPress";
        case EventKind::Change: return "Change";
    }
    return "?";
}

Control::Control(MainWindow& window, std::string name, ControlKind kind, ControlDesign design)
    : window_(window),
      name_(std::move(name)),
      kind_(kind),
      design_(std::move(design)),
      text_(design_.text),
      enabled_(design_.enabled),
      visible_(design_.visible),
      backColor_(design_.backColor),
      picture_(design_.picture) {}

Control::Control(MainWindow& window, const ControlSpec& spec) : Control(window, spec.name, spec.kind, spec.design) {}

void Control::setText(const std::string& text) {
    if (kind_ == ControlKind::ComboBox &&
        std::find(design_.items.begin(), design_.items.end(), text) == design_.items.end())
        throw RuntimeError::textReadOnly();
    // The same text again changes nothing and fires no Change.
    if (text == text_) return;
    text_ = text;
    window_.controlChanged(*this, Property::Text);
    if (kind_ == ControlKind::TextBox) window_.fire(this, EventKind::Change);
}

void Control::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    window_.controlChanged(*this, Property::Enabled);
    window_.dropIfUnfit(*this);
}

void Control::setVisible(bool on) {
    if (on == visible_) return;
    visible_ = on;
    window_.controlChanged(*this, Property::Visible);
    window_.dropIfUnfit(*this);
}

void Control::setBackColor(Rgb colour) {
    if (backColor_ == colour) return;
    backColor_ = colour;
    window_.controlChanged(*this, Property::BackColor);
}

void Control::setPicture(const std::string& key) {
    picture_ = key;
    window_.controlChanged(*this, Property::Picture);
}

bool Control::canTakeFocus() const { return takesFocusKind() && enabled_ && visible_; }

void Control::setFocus() {
    if (!canTakeFocus()) throw RuntimeError::invalidCall();
    window_.moveFocus(this);
}

bool Control::hasFocus() const { return window_.focus() == this; }

}  // namespace quiz
