#pragma once
#include <QSoundEffect>
#include <map>
#include <memory>
#include <string>

#include "window/platform/SoundPlayer.h"

namespace quiz {

// The cues through QSoundEffect: one effect per file name, loaded from the
// current directory the first time the cue is played and kept from then on.
// A new cue stops the one still playing. A missing file or a missing audio
// device leaves the effect in its error state: silence, never an error.
class QtEffectPlayer : public SoundPlayer {
public:
    QtEffectPlayer() = default;
    ~QtEffectPlayer() override;
    void play(const std::string& file) override;

private:
    QSoundEffect* effect(const std::string& file);

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace quiz
