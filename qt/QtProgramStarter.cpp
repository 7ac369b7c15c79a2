#include "qt/QtProgramStarter.h"

#include <QDir>
#include <QProcess>

#include "qt/QtInstructionsViewer.h"
#include "runtime/RuntimeError.h"

namespace quiz {

QtProgramStarter::QtProgramStarter() = default;
QtProgramStarter::~QtProgramStarter() = default;

bool QtProgramStarter::isWindowsEditor(const std::string& program) {
    return QString::fromStdString(program).endsWith(QStringLiteral("notepad.exe"), Qt::CaseInsensitive);
}

void QtProgramStarter::start(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments) args << QString::fromStdString(a);
#ifndef Q_OS_WIN
    if (isWindowsEditor(program)) {
        if (args.size() != 1) throw RuntimeError::fileNotFound();
        if (!viewer_) viewer_ = std::make_unique<QtInstructionsViewer>();
        if (!viewer_->open(QDir::current().filePath(args.first()))) throw RuntimeError::fileNotFound();
        return;
    }
#endif
    if (!QProcess::startDetached(QString::fromStdString(program), args, QDir::currentPath()))
        throw RuntimeError::fileNotFound();
}

}  // namespace quiz
