// The entry point of the sound module, which the program loads at run time
// (see QtSoundPlayer): it alone links QtMultimedia.
#include "qt/sound/QtEffectPlayer.h"

#include "qt/SoundModule.h"

extern "C" Q_DECL_EXPORT quiz::SoundPlayer* QUIZ_SOUND_MODULE_ENTRY() { return new quiz::QtEffectPlayer(); }
