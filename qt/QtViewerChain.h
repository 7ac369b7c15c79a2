#pragma once
#include <QObject>
#include <QProcess>
#include <vector>

#include "qt/QtProgramStarter.h"

namespace quiz {

// Opens a file with the first viewer that works. xdg-open is watched: it
// starts at once but may find no application for the file and exit with an
// error, and only then is the next viewer tried. The others are started
// detached. The chain owns itself: it deletes itself once a viewer runs or
// every one has failed, and is left alone when the program ends first, so
// that an open viewer outlives the game.
class QtViewerChain : public QObject {
public:
    // Starts the first candidate that can be started; throws the runtime's
    // "file not found" when none can.
    static void begin(std::vector<QtProgramStarter::Command> candidates, const QString& workDir);

private:
    QtViewerChain(std::vector<QtProgramStarter::Command> candidates, QString workDir);
    // Tries the candidates from next_ on; false when none could be started.
    bool startNext();
    void watchedEnded(int exitCode, QProcess::ExitStatus status);

    std::vector<QtProgramStarter::Command> candidates_;
    QString workDir_;
    std::size_t next_ = 0;
    QProcess* watched_ = nullptr;
};

}  // namespace quiz
