#pragma once
#include "Clock.h"
#include "EventPump.h"
#include "FileDialog.h"
#include "Lifecycle.h"
#include "MessageBoxes.h"
#include "PictureLoader.h"
#include "ProgramStarter.h"
#include "RandomSource.h"
#include "SoundPlayer.h"
#include "WorkingDirectory.h"

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
