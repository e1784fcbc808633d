// The main window of the game: the form that holds the Game, answers the
// logic's requests of its window (title, status line, help panel, repaint)
// and runs the handlers for the events the platform delivers. The status
// line and the help panel are drawn over the 3D picture in every frame.
//
// An exception escaping a handler ends that handler only: its message goes
// to the error message box and the game goes on with the next event.
#pragma once

#include <memory>
#include <string>

#include "assets/resource_catalog.h"
#include "platform/message_box.h"
#include "platform/window_events.h"
#include "platform/window_surface.h"
#include "render/overlays.h"
#include "render/render_context.h"
#include "render/text_rasterizer.h"
#include "ui/form_host.h"
#include "ui/form_lifecycle.h"
#include "ui/game.h"

namespace quorvil {

inline constexpr const char* kErrorBoxCaption = "Quorvil";

class MainWindow : public FormHost, public WindowEventHandler {
 public:
  // The form's construction: the Game (on the heap: it is large), the view
  // fields, the hidden help panel, the title.
  MainWindow(WindowSurface& surface, MessageBox& messageBox, SoundSink& sound,
             const ResourceCatalog& resources, TextRasterizer& text);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The window's creation: the fixed GL state on the window's context first,
  // then the game's own start-up (cloth and wood, the start-up clicks, the
  // first game). A failure there is shown and leaves the rest undone.
  void FormCreate(Seeding seeding);

  // The game's handlers: the tick, keys, pointer moves; an expose asks for
  // a repaint.
  void Handle(const WindowEvent& event) override;

  // One FormPaint for every repaint asked for since the last one: the frame's
  // state steps, the 3D picture, the status line and the help panel, then
  // the swap. A client area with no width or height draws nothing.
  void PaintIfMarked() override;

  // Releases the GLU quadric, once; no frame is drawn afterwards.
  void FormDestroy();

  Game& game() { return *game_; }
  const std::string& statusText() const { return statusText_; }

  // FormHost
  void SetTitle(const std::string& title) override;
  int WindowWidth() const override;
  void SetStatusWidth(int width) override;
  void SetStatusText(const std::string& text) override;
  bool HelpVisible() const override;
  void SetHelpVisible(bool visible) override;
  void RequestRepaint() override;

 private:
  void FormPaint();
  // Runs a handler; what escapes it goes to the error message box.
  template <typename Handler>
  void Guarded(Handler&& handler);

  WindowSurface& surface_;
  MessageBox& messageBox_;
  std::unique_ptr<RenderContext> render_;
  Overlays overlays_;
  std::string statusText_;
  bool helpVisible_ = false;
  bool repaintMarked_ = false;
  std::unique_ptr<Game> game_;
};

}  // namespace quorvil
