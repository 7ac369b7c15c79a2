#pragma once
#include "runtime/RandomSource.h"
#include "window/platform/Clock.h"
#include "window/platform/EventPump.h"
#include "window/platform/FileDialog.h"
#include "window/platform/Lifecycle.h"
#include "window/platform/MessageBoxes.h"
#include "window/platform/PictureLoader.h"
#include "window/platform/ProgramStarter.h"
#include "window/platform/SoundPlayer.h"
#include "window/platform/WorkingDirectory.h"

namespace quiz {

// The services the handlers call, one small interface each.
struct Platform {
    SoundPlayer& sound;
    MessageBoxes& boxes;
    ProgramStarter& programs;
    PictureLoader& pictures;
    FileDialog& dialog;
    WorkingDirectory& directory;
    EventPump& pump;
    Clock& clock;
    RandomSource& random;
    Lifecycle& lifecycle;
};

}  // namespace quiz
