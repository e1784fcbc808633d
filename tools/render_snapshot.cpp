#include "tools/render_snapshot.h"

#include <exception>
#include <memory>

#include "platform/text_sdl_ttf.h"
#include "render/snapshot.h"
#include "tools/snapshot_hook.h"

namespace quorvil::sim {

namespace {

bool SnapWithRenderer(Game& game, const std::string& statusText, int width, int height,
                      const std::string& file, std::string& error) {
  // Finding the faces is slow; it is done once, at the first snap.
  static std::unique_ptr<TextSdlTtf> text;
  try {
    if (text == nullptr) text = std::make_unique<TextSdlTtf>();
    WriteSnapshot(game, width, height, file, {statusText, game.form.HelpVisible()}, *text);
    return true;
  } catch (const std::exception& failure) {
    error = failure.what();
    return false;
  }
}

}  // namespace

void RegisterRenderer() { RegisterSnapFunction(&SnapWithRenderer); }

}  // namespace quorvil::sim
