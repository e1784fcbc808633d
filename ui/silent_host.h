// A window and a sound player that do nothing, for code that runs the game
// with neither: the benchmarks and the whole-game planner. The window keeps
// only the status line, which they may want to print.
#pragma once

#include <string>
#include <string_view>

#include "ui/form_host.h"

namespace quorvil {

struct SilentForm : FormHost {
  std::string status;
  void SetTitle(const std::string&) override {}
  int WindowWidth() const override { return 870; }
  void SetStatusWidth(int) override {}
  void SetStatusText(const std::string& text) override { status = text; }
  bool HelpVisible() const override { return false; }
  void SetHelpVisible(bool) override {}
  void RequestRepaint() override {}
};

struct SilentSound : SoundSink {
  void PlayResource(std::string_view) override {}
  void PlayFile(std::string_view) override {}
  void Wait(int) override {}
};

}  // namespace quorvil
