#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Int16.h"
#include "runtime/Rgb.h"
#include "window/Appearance.h"
#include "window/ControlKind.h"

namespace quiz {

class MainWindow;
struct ControlSpec;

// Kind-specific details that are fixed at design time.
struct ControlDesign {
    std::string text;  // Caption or start Text
    bool enabled = true;
    bool visible = true;
    bool tabStop = false;
    bool isDefault = false;  // the window's default button
    bool locked = true;      // text box the user cannot type into
    bool multiLine = false;
    std::vector<std::string> items;  // combo box list
    std::optional<Rgb> backColor;
    std::string picture;  // images: the picture at start
    Appearance look;
};

// One named control of the main window. Property setters report to the
// window, which applies the rules of event delivery (Change inside the
// assignment, focus events queued) and tells its observers.
class Control {
public:
    Control(MainWindow& window, std::string name, ControlKind kind, ControlDesign design);
    Control(MainWindow& window, const ControlSpec& spec);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    const ControlDesign& design() const { return design_; }
    const Appearance& look() const { return design_.look; }

    // Text of a text box or combo box, Caption of a button or label.
    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    const std::optional<Rgb>& backColor() const { return backColor_; }
    void setBackColor(Rgb colour);
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& key);

    // Moves the focus here at once; LostFocus and GotFocus follow later.
    // A disabled or invisible control refuses with a runtime error.
    void setFocus();
    bool hasFocus() const;
    bool canTakeFocus() const;  // enabled, visible and of a kind that takes it
    bool takesFocusKind() const {
        return kind_ == ControlKind::Button || kind_ == ControlKind::TextBox || kind_ == ControlKind::ComboBox;
    }
    bool editable() const { return kind_ == ControlKind::TextBox && !design_.locked; }

    // Handlers, attached under the names of the events.
    std::function<void()> Click, GotFocus, LostFocus, Change;
    std::function<void(Int16&)> KeyPress;

private:
    MainWindow& window_;
    std::string name_;
    ControlKind kind_;
    ControlDesign design_;
    std::string text_;
    bool enabled_;
    bool visible_;
    std::optional<Rgb> backColor_;
    std::string picture_;
};

}  // namespace quiz
