#pragma once
#include <QSoundEffect>
#include <map>
#include <memory>
#include <string>

#include "window/platform/SoundPlayer.h"

namespace quiz {

// The cues through QSoundEffect. One effect per file name, loaded from the
// current directory the first time the cue is played, keeps the cue's sample
// in Qt's sample cache; every play gets an effect of its own over that
// sample. An effect played again and again falls silent after a few plays
// (Qt 6.4 with PulseAudio: whole cues went missing in a game), a fresh one
// never does. A new cue stops the one still playing. A missing file or a
// missing audio device leaves the effect in its error state: silence, never
// an error.
class QtEffectPlayer : public SoundPlayer {
public:
    QtEffectPlayer() = default;
    ~QtEffectPlayer() override;
    void play(const std::string& file) override;

private:
    QSoundEffect* sample(const std::string& file);

    std::map<std::string, std::unique_ptr<QSoundEffect>> samples_;
    std::unique_ptr<QSoundEffect> playing_;
};

}  // namespace quiz
