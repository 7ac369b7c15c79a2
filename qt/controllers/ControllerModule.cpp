// The controller module, velmora-quiz-controllers: the only part of the
// program that links SDL. The program loads it after its first frame.
#include "qt/ControllerModule.h"

#include "qt/controllers/SdlPads.h"

extern "C" __attribute__((visibility("default"))) quiz::PadSource* QUIZ_CONTROLLER_MODULE_ENTRY(
    quiz::PadListener& listener) {
    return new quiz::SdlPads(listener);
}
