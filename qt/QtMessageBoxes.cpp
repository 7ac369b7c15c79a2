#include "qt/QtMessageBoxes.h"

#include <QMessageBox>

namespace quiz {
namespace {

QMessageBox::Icon iconOf(BoxStyle style) {
    switch (style) {
        case BoxStyle::Critical: return QMessageBox::Critical;
        case BoxStyle::Exclamation: return QMessageBox::Warning;
        case BoxStyle::Information: return QMessageBox::Information;
        case BoxStyle::AbortRetryIgnore: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(BoxStyle style) {
    if (style == BoxStyle::AbortRetryIgnore) return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    return QMessageBox::Ok;
}

}  // namespace

void QtMessageBoxes::show(const std::string& prompt, BoxStyle style, const std::string& title) {
    QMessageBox box(iconOf(style), QString::fromStdString(title), QString::fromStdString(prompt), buttonsOf(style),
                    parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Without a window manager nobody hands the keyboard back to the window.
    if (parent_) parent_->activateWindow();
}

}  // namespace quiz
