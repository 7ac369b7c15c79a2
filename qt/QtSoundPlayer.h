#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "window/platform/SoundPlayer.h"

namespace quiz {

// The cues, played by the sound module beside the program, which alone
// brings in QtMultimedia and the libraries of the sound server. The module is
// loaded after the first frame (load()), since loading it and reaching the
// sound server would hold up the window by some 10 to 20 ms. A cue asked for
// before that waits and plays as soon as the module is there; only the newest
// one waits, as a new cue cuts off the one before anyway. If load() is never
// called, the module comes by itself a moment after the first cue. Without
// the module, or without a sound server, there is silence, never an error.
class QtSoundPlayer : public SoundPlayer {
public:
    // Makes the player that really plays; nullptr when there is none.
    using Backend = std::function<std::unique_ptr<SoundPlayer>()>;
    static constexpr int loadByItselfMs = 1000;

    QtSoundPlayer();
    explicit QtSoundPlayer(Backend backend);
    ~QtSoundPlayer() override;

    void play(const std::string& file) override;
    // Makes the backend (once) and plays the waiting cue.
    void load();
    bool playing() const { return backend_ != nullptr; }

    // The backend of the sound module at path (a file name without suffix).
    static Backend fromModule(const QString& path);
    // Where the module lies: beside the program.
    static QString modulePath();

private:
    Backend makeBackend_;
    std::unique_ptr<SoundPlayer> backend_;
    std::optional<std::string> waiting_;
    bool loaded_ = false;
    bool loadPlanned_ = false;
    QObject timerContext_;
};

}  // namespace quiz
