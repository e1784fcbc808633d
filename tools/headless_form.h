// The main window as quorvil-sim sees it: no window at all, only a record of
// what the game asked of it (title, status line, help panel) and a count of
// its repaint requests.
#pragma once

#include <cstdint>
#include <string>

#include "ui/form_host.h"

namespace quorvil::sim {

class HeadlessForm : public FormHost {
 public:
  // The outer width of the window when restored.
  static constexpr int kWindowWidth = 870;

  void SetTitle(const std::string& title) override { title_ = title; }
  int WindowWidth() const override { return kWindowWidth; }
  void SetStatusWidth(int width) override { statusWidth_ = width; }
  void SetStatusText(const std::string& text) override { statusText_ = text; }
  bool HelpVisible() const override { return helpVisible_; }
  void SetHelpVisible(bool visible) override { helpVisible_ = visible; }
  void RequestRepaint() override { ++repaints_; }

  const std::string& title() const { return title_; }
  int statusWidth() const { return statusWidth_; }
  const std::string& statusText() const { return statusText_; }

  // Repaint requests since the count was last cleared, each one counted
  // although a window would fold them into one frame.
  uint64_t repaints() const { return repaints_; }
  void AddRepaints(uint64_t count) { repaints_ += count; }
  void ClearRepaints() { repaints_ = 0; }

 private:
  std::string title_;
  int statusWidth_ = 0;
  std::string statusText_;
  bool helpVisible_ = false;
  uint64_t repaints_ = 0;
};

}  // namespace quorvil::sim
