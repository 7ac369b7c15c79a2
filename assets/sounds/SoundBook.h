#pragma once

#include "assets/sounds/Track.h"
#include "game/Cue.h"

namespace quiz::assets {

// The game's sound cues, each composed from the voices of Track. Every cue
// of the game has its recipe: a new cue without one does not compile.
class SoundBook {
public:
    static Track compose(quiz::Cue cue);
};

}  // namespace quiz::assets
