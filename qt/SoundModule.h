#pragma once
#include <QtGlobal>

#include "window/platform/SoundPlayer.h"

// What the program and its sound module agree on: the module's file name
// (without the suffix of the system) and its one exported function, which
// makes a new player that the caller owns.
#define QUIZ_SOUND_MODULE_ENTRY quiz_make_sound_player
#define QUIZ_SOUND_MODULE_NAME "velmora-quiz-sound"

namespace quiz {
using MakeSoundPlayer = SoundPlayer* (*)();
}  // namespace quiz
