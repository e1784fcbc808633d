// The bytes of everything an event of the game can read or change, apart
// from the pictures: two equal fingerprints taken around a tick or a repaint
// mean the event left the game exactly as it found it.
#pragma once

#include <string>

#include "tools/headless_form.h"
#include "ui/game.h"

namespace quorvil::sim {

// Writes the fingerprint into `bytes`, replacing what was there (the buffer
// is reused, so taking one per tick allocates nothing).
void TakeFingerprint(const Game& game, const HeadlessForm& form, std::string& bytes);

}  // namespace quorvil::sim
