#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace quiz {
namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style) {
    switch (style & 0x07) {
        case 1: return QMessageBox::Ok | QMessageBox::Cancel;
        case 2: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case 3: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case 4: return QMessageBox::Yes | QMessageBox::No;
        case 5: return QMessageBox::Retry | QMessageBox::Cancel;
        default: return QMessageBox::Ok;
    }
}

}  // namespace

void QtMessageBoxes::show(const std::string& prompt, int style, const std::string& title) {
    QMessageBox box(iconOf(style), QString::fromStdString(title), QString::fromStdString(prompt), buttonsOf(style),
                    parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Without a window manager nobody hands the keyboard back to the window.
    if (parent_) parent_->activateWindow();
}

}  // namespace quiz
