#include "ui/main_window.h"

#include <exception>
#include <type_traits>

#include "physics/tick.h"
#include "render/frame.h"
#include "render/gl_setup.h"
#include "ui/help_text.h"
#include "ui/keyboard.h"
#include "ui/mouse.h"
#include "ui/paint_steps.h"

namespace quorvil {

MainWindow::MainWindow(WindowSurface& surface, MessageBox& messageBox, SoundSink& sound,
                       const ResourceCatalog& resources, TextRasterizer& text)
    : surface_(surface),
      messageBox_(messageBox),
      render_(std::make_unique<RenderContext>()),
      overlays_(text),
      game_(std::make_unique<Game>(*this, sound, resources)) {
  ConstructForm(*game_);
}

MainWindow::~MainWindow() { FormDestroy(); }

template <typename Handler>
void MainWindow::Guarded(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    messageBox_.ShowError(kErrorBoxCaption, error.what());
  } catch (...) {
    messageBox_.ShowError(kErrorBoxCaption, "");
  }
}

void MainWindow::FormCreate(Seeding seeding) {
  Guarded([&] {
    surface_.MakeCurrent();
    SetUpFixedGlState();
    quorvil::FormCreate(*game_, seeding);
  });
}

void MainWindow::Handle(const WindowEvent& event) {
  Guarded([&] {
    std::visit(
        [&](const auto& e) {
          using Event = std::decay_t<decltype(e)>;
          if constexpr (std::is_same_v<Event, TimerTicked>) {
            TimerTimer(*game_);
          } else if constexpr (std::is_same_v<Event, KeyPressed>) {
            FormKeyDown(*game_, e.key, e.ctrl);
          } else if constexpr (std::is_same_v<Event, PointerMoved>) {
            FormMouseMove(*game_, e.x, e.y, e.left, e.right);
          } else if constexpr (std::is_same_v<Event, WindowExposed>) {
            RequestRepaint();
          }
          // CloseRequested ends the event loop; the form has nothing to do.
        },
        event);
  });
}

void MainWindow::PaintIfMarked() {
  if (!repaintMarked_) return;
  // Cleared first: a frame that fails is not tried again until something
  // asks for one.
  repaintMarked_ = false;
  if (render_ == nullptr) return;
  Guarded([&] { FormPaint(); });
}

void MainWindow::FormPaint() {
  const ClientSize size = surface_.DrawableSize();
  // A window shrunk to nothing gets no frame, as the window system would
  // ask for none.
  if (size.width <= 0 || size.height <= 0) return;
  surface_.MakeCurrent();
  PaintStateSteps(*game_);
  DrawFrame(*game_, size.width, size.height, *render_);
  overlays_.Draw({statusText_, helpVisible_, kHelpLines}, size.width, size.height);
  surface_.Present();
}

void MainWindow::FormDestroy() { render_.reset(); }

void MainWindow::SetTitle(const std::string& title) { surface_.SetTitle(title); }

int MainWindow::WindowWidth() const { return surface_.OuterWidth(); }

// The status line is drawn as wide as the client area in every frame, so it
// follows the window without being told.
void MainWindow::SetStatusWidth(int) {}

// The text shows with the next frame; every change comes with one (the tick,
// the restart key) or happens inside one (the turn rule).
void MainWindow::SetStatusText(const std::string& text) { statusText_ = text; }

bool MainWindow::HelpVisible() const { return helpVisible_; }

void MainWindow::SetHelpVisible(bool visible) {
  if (visible == helpVisible_) return;
  helpVisible_ = visible;
  // The panel is part of the frame: showing or hiding it needs one, as the
  // window system repaints what a panel uncovers.
  RequestRepaint();
}

void MainWindow::RequestRepaint() { repaintMarked_ = true; }

}  // namespace quorvil
