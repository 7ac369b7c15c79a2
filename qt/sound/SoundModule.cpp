// The entry point of the sound module, which the program loads at run time
// (see QtSoundPlayer): it alone links QtMultimedia.
#include "qt/SoundModule.h"

#include "qt/sound/QtEffectPlayer.h"

extern "C" Q_DECL_EXPORT quiz::SoundPlayer* QUIZ_SOUND_MODULE_ENTRY() { return new quiz::QtEffectPlayer(); }
