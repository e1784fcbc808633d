#include "platform/sdl_message_box.h"

#include <SDL.h>

#include <cstdio>
#include <string>

namespace quorvil {

void SdlMessageBox::ShowError(std::string_view caption, std::string_view text) {
  const std::string captionText(caption);
  const std::string bodyText(text);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, captionText.c_str(), bodyText.c_str(), nullptr) != 0) {
    // No box could be shown: the message still reaches the player's terminal.
    std::fprintf(stderr, "%s: %s (no message box: %s)\n", captionText.c_str(), bodyText.c_str(),
                 SDL_GetError());
  }
}

}  // namespace quorvil
