#pragma once
#include <string>

namespace quiz {

// Plays a .wav cue of the current directory asynchronously; a new cue cuts
// off the one still playing. A missing file or device is silence, never an error.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& file) = 0;
};

}  // namespace quiz
