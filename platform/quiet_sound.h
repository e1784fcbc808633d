// The sound player until the game has a sound layer: requests are dropped,
// but a wait still blocks, so the start-up keeps its 400 ms before the
// window shows. The sound layer takes its place in the program's entry.
#pragma once

#include "ui/form_host.h"

namespace quorvil {

class QuietSound : public SoundSink {
 public:
  void PlayResource(std::string_view) override {}
  void PlayFile(std::string_view) override {}
  void Wait(int milliseconds) override;
};

}  // namespace quorvil
