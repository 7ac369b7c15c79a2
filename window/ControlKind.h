#pragma once

namespace quiz {

enum class ControlKind { Button, TextBox, ComboBox, Label, Image };

enum class EventKind { Load, Click, GotFocus, LostFocus, KeyPress, Change };

enum class Property { Text, Enabled, Visible, BackColor, Picture };

const char* eventName(EventKind k);

}  // namespace quiz
