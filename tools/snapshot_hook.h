// Where `snap` finds the renderer. quorvil-sim is built before the renderer
// exists and must run without it, so the renderer registers a function here
// instead of the driver calling it by name.
#pragma once

#include <string>

#include "ui/game.h"

namespace quorvil::sim {

// Draws one full frame of `game` (its state steps included, counted as one
// repaint of them) into an offscreen width x height image and writes it to
// `file` as a PNG, top row first. `statusText` is the status line to draw;
// the help panel is drawn while game.form.HelpVisible(). Returns false with
// `error` set when the picture could not be made or written.
using SnapFunction = bool (*)(Game& game, const std::string& statusText, int width, int height,
                              const std::string& file, std::string& error);

// Makes `snap` use `function`; nullptr takes the renderer out again.
void RegisterSnapFunction(SnapFunction function);

// The registered function, or nullptr while no renderer is built in.
SnapFunction RegisteredSnapFunction();

}  // namespace quorvil::sim
