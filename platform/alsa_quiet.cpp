#include "platform/alsa_quiet.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstring>

namespace quorvil {

namespace {

// The shape of ALSA's error handler (snd_lib_error_handler_t).
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err,
                                  const char* fmt, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void SilenceAlsaMessages() {
  const char* driver = SDL_GetCurrentAudioDriver();
  if (driver == nullptr || std::strcmp(driver, "alsa") != 0) return;
  // SDL loads ALSA itself, at run time; only that library is reached here,
  // never loaded anew, so the game needs no ALSA of its own to build.
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD);
  if (alsa == nullptr) return;
  if (auto set = reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
    set(IgnoreAlsaMessage);
  dlclose(alsa);
}

}  // namespace quorvil
