#include "qt/QtProgramStarter.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "qt/QtViewerChain.h"
#include "runtime/RuntimeError.h"

namespace quiz {

bool QtProgramStarter::isWindowsEditor(const std::string& program) {
    return QString::fromStdString(program).endsWith(QStringLiteral("notepad.exe"), Qt::CaseInsensitive);
}

std::vector<QtProgramStarter::Command> QtProgramStarter::viewers(const QStringList& files) {
    const std::vector<Command> all = {
        {QStringLiteral("xdg-open"), files},
        {QStringLiteral("gnome-text-editor"), files},
        {QStringLiteral("gedit"), files},
        {QStringLiteral("mousepad"), files},
        {QStringLiteral("kate"), files},
        {QStringLiteral("kwrite"), files},
        {QStringLiteral("pluma"), files},
        {QStringLiteral("xed"), files},
        {QStringLiteral("featherpad"), files},
        {QStringLiteral("leafpad"), files},
        {QStringLiteral("xterm"), QStringList{QStringLiteral("-e"), QStringLiteral("less")} + files},
    };
    std::vector<Command> found;
    for (const Command& c : all)
        if (!QStandardPaths::findExecutable(c.program).isEmpty()) found.push_back(c);
    return found;
}

void QtProgramStarter::start(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const auto& a : arguments) args << QString::fromStdString(a);
    const QString workDir = QDir::currentPath();
#ifdef Q_OS_WIN
    const bool viewer = false;
#else
    const bool viewer = isWindowsEditor(program);
#endif
    if (!viewer) {
        if (!QProcess::startDetached(QString::fromStdString(program), args, workDir))
            throw RuntimeError::fileNotFound();
        return;
    }
    std::vector<Command> candidates = viewers(args);
    if (candidates.empty()) throw RuntimeError::fileNotFound();
    // The chain runs on by itself and deletes itself when done.
    QtViewerChain::begin(std::move(candidates), workDir);
}

}  // namespace quiz
