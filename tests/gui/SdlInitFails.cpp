// Preloaded into the program by the real-window test of the controllers:
// SDL_Init fails, as it may where SDL finds no way to work. The controller
// module's call binds to this one before SDL's own.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int SDL_Init(std::uint32_t /*flags*/) { return -1; }
extern "C" __attribute__((visibility("default"))) const char* SDL_GetError() { return "refused by the test"; }
