// The text `dump` prints: the whole game state, the status line, the sounds
// and the repaint count, one fixed line format each, independent of locale.
#pragma once

#include <string>

#include "tools/headless_form.h"
#include "tools/sound_recorder.h"
#include "ui/game.h"

namespace quorvil::sim {

// Everything from the `game` line down to the `score` line.
std::string FormatStateLines(const Game& game, const HeadlessForm& form);

// The full dump: the state lines, `sounds` and `repaints`.
void WriteDump(const Game& game, const HeadlessForm& form, const SoundRecorder& sounds, const TextOut& out);

}  // namespace quorvil::sim
