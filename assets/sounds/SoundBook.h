#pragma once

#include "Track.h"

#include <string>
#include <vector>

// The game's fifteen sound cues, each composed from the voices of Track.
class SoundBook {
public:
    struct Entry {
        std::string file; // name the game plays it by
        Track (*compose)();
    };

    static const std::vector<Entry>& entries();
};
