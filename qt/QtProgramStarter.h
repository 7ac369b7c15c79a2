#pragma once
#include <QStringList>
#include <vector>

#include "window/platform/ProgramStarter.h"

namespace quiz {

// Shell: starts a program with an argument list, never through a shell, and
// returns without waiting. The Windows editor "c:\windows\Notepad.exe" is
// Notepad on Windows; elsewhere it stands for the desktop's text viewer:
// xdg-open first and, should that find nothing to open the file with, the
// first of the usual editors and viewers that is installed. When none of
// them can be started the call fails with the runtime's "file not found".
class QtProgramStarter : public ProgramStarter {
public:
    struct Command {
        QString program;
        QStringList arguments;
    };

    void start(const std::string& program, const std::vector<std::string>& arguments) override;

    // The text viewers tried in turn for the Windows editor, those installed.
    static std::vector<Command> viewers(const QStringList& files);
    static bool isWindowsEditor(const std::string& program);
};

}  // namespace quiz
