#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "qt/ControllerModule.h"
#include "window/ControllerKeys.h"
#include "window/WindowObserver.h"

namespace quiz {

class MainWindow;

// Game controllers as a second keyboard. The controller module (the only
// part that links SDL) reports on its own thread; each report is posted to
// the program's thread as a queued call, which also wakes a yield that
// sleeps. There ControllerKeys turns a press into the key it types, handed
// to typeKey, the same way as a key of the keyboard. A connection or
// disconnection is one line on stderr; the window shows nothing of it.
// When a player's buzz is taken (the turn box says "Spieler N!" in a game of
// two or three), controller N rumbles briefly.
//
// Without the module, without SDL, or when SDL does not start, there are no
// controllers and one line on stderr says why; the game is as before.
class QtControllers : public PadListener, public WindowObserver {
public:
    // Starts the source of the controllers; nullptr when there is none (then
    // *why says why).
    using Start = std::function<std::unique_ptr<PadSource>(PadListener& listener, QString* why)>;

    QtControllers(MainWindow& window, std::function<void(int)> typeKey, Start start);
    QtControllers(MainWindow& window, std::function<void(int)> typeKey);
    ~QtControllers() override;
    QtControllers(const QtControllers&) = delete;
    QtControllers& operator=(const QtControllers&) = delete;

    // Starts the controllers (once).
    void load();
    bool running() const { return source_ != nullptr; }
    const ControllerKeys& keys() const { return keys_; }
    // Told of every line the controllers write to stderr (for the tests).
    std::function<void(const QString&)> onMessage;

    // The source of the controller module at path (a file name without suffix).
    static Start fromModule(const QString& path);
    // Where the module lies: beside the program.
    static QString modulePath();

    // PadListener, on the module's thread.
    void padEvent(const PadEvent& event) override;
    // WindowObserver
    void propertyChanged(const Control& control, Property what) override;

private:
    void take(const PadEvent& event);
    void say(const QString& line);

    MainWindow& window_;
    std::function<void(int)> typeKey_;
    Start start_;
    ControllerKeys keys_;
    bool loaded_ = false;
    // Declared before the source, so it is destroyed after the source's
    // thread has ended: no report can then be posted to it any more.
    QObject context_;
    std::unique_ptr<PadSource> source_;
};

}  // namespace quiz
