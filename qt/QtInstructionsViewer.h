#pragma once
#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace quiz {

// The program's own viewer of the instructions: a window of its own titled
// "Spielanleitung", beside the game and not modal, that shows a text file
// read as UTF-8 in a readable font as large as the game's text. The game
// goes on beneath it, and closing it changes nothing.
class QtInstructionsViewer : public QWidget {
public:
    QtInstructionsViewer();
    // Reads the file anew, shows it and brings the viewer to the front; false
    // (and nothing shown) when the file cannot be read.
    bool open(const QString& path);
    QString text() const;

private:
    QPlainTextEdit* view_;
};

}  // namespace quiz
