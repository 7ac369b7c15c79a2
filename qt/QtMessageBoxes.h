#pragma once
#include <QPointer>
#include <QWidget>

#include "window/platform/MessageBoxes.h"

namespace quiz {

// MsgBox through QMessageBox: the icon and the buttons of the style number
// (16 critical, 32 question, 48 exclamation, 64 information; 0 OK, 1 OK and
// Cancel, 2 Abort, Retry and Ignore, ...). The prompt is plain text and wraps
// as one paragraph; the button texts are Qt's German ones.
class QtMessageBoxes : public MessageBoxes {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const std::string& prompt, BoxStyle style, const std::string& title) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace quiz
