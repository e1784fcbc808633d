// Gives quorvil-sim's `snap` the real renderer: the frame drawn by Mesa's
// software renderer, the overlays' text set by SDL_ttf.
#pragma once

namespace quorvil::sim {

void RegisterRenderer();

}  // namespace quorvil::sim
