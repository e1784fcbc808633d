// On a machine without a sound card, ALSA's library writes its failed
// search for one to stderr, line after line, although the game simply stays
// silent. This turns those messages off, for the sound layer's ALSA only.
#pragma once

namespace quorvil {

// Call once SDL's audio has started: when its driver is ALSA, the ALSA
// library it loaded reports no more errors. Does nothing otherwise.
void SilenceAlsaMessages();

}  // namespace quorvil
