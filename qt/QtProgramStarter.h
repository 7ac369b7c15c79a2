#pragma once
#include <memory>
#include <string>
#include <vector>

#include "window/platform/ProgramStarter.h"

namespace quiz {

class QtInstructionsViewer;

// Shell: starts a program with an argument list, never through a shell, and
// returns without waiting; a program that cannot be started is the runtime's
// "file not found". The Windows editor "c:\windows\Notepad.exe" is Notepad
// on Windows; elsewhere the program shows the file itself, in its own
// instructions viewer (any text viewer that opens the file of the current
// directory without blocking the window will do, and this one is always
// there). A second start brings the open viewer to the front, reloaded; a
// file that cannot be read is "file not found" too.
class QtProgramStarter : public ProgramStarter {
public:
    QtProgramStarter();
    ~QtProgramStarter() override;
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
    static bool isWindowsEditor(const std::string& program);
    // The viewer, once one was opened; for tests.
    const QtInstructionsViewer* viewer() const { return viewer_.get(); }

private:
    std::unique_ptr<QtInstructionsViewer> viewer_;
};

}  // namespace quiz
