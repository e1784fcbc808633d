// What the game logic needs of its window and of the sound player, and no
// more. The real window fills these in over the platform layer; quorvil-sim
// and the tests use recording stand-ins.
#pragma once

#include <string>
#include <string_view>

namespace quorvil {

class FormHost {
 public:
  virtual ~FormHost() = default;
  virtual void SetTitle(const std::string& title) = 0;
  // The window's outer width in pixels.
  virtual int WindowWidth() const = 0;
  virtual void SetStatusWidth(int width) = 0;
  virtual void SetStatusText(const std::string& text) = 0;
  virtual bool HelpVisible() const = 0;
  virtual void SetHelpVisible(bool visible) = 0;
  // Marks the client area for repainting; requests fold into one frame.
  virtual void RequestRepaint() = 0;
};

// Plays one sound at a time in the background; a new request cuts the one
// still sounding. Requests return at once and fail silently.
class SoundSink {
 public:
  virtual ~SoundSink() = default;
  virtual void PlayResource(std::string_view name) = 0;
  virtual void PlayFile(std::string_view path) = 0;
  // Blocks the game's thread (the start-up clicks are spaced by it).
  virtual void Wait(int milliseconds) = 0;
};

}  // namespace quorvil
