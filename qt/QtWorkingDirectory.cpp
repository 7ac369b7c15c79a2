#include "qt/QtWorkingDirectory.h"

#include <QDir>

#include "runtime/RuntimeError.h"

namespace quiz {

std::string QtWorkingDirectory::current() { return QDir::currentPath().toStdString(); }

void QtWorkingDirectory::change(const std::string& path) {
    if (path.empty() || !QDir::setCurrent(QString::fromStdString(path)))
        throw RuntimeError(76, "Laufzeitfehler '76': Pfad nicht gefunden");
}

}  // namespace quiz
