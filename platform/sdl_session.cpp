#include "platform/sdl_session.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace quorvil {

SdlSession::SdlSession() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(std::string("SDL: ") + SDL_GetError());
}

SdlSession::~SdlSession() { SDL_Quit(); }

}  // namespace quorvil
