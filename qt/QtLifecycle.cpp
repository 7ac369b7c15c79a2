#include "qt/QtLifecycle.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quiz {

void QtLifecycle::unload() {
    if (window_) window_->hide();
}

void QtLifecycle::end() {
    ended_ = true;
    QCoreApplication::quit();
}

void QtLifecycle::runtimeError(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora Quiz"), QString::fromStdString(message),
                    QMessageBox::Ok, window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace quiz
