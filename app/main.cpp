// The program's entry: SDL's video, the window with its GL context, the
// fonts, the sound, the form and its start-up, then the event loop until the
// window is closed or the program is asked to stop. Whatever escapes is
// shown in the error message box; the program always ends with status 0.
#include <exception>
#include <memory>

#include "assets/resource_catalog.h"
#include "platform/sdl_event_loop.h"
#include "platform/sdl_message_box.h"
#include "platform/sdl_session.h"
#include "platform/sdl_sound.h"
#include "platform/sdl_window.h"
#include "platform/stop_signals.h"
#include "platform/text_sdl_ttf.h"
#include "ui/form_lifecycle.h"
#include "ui/main_window.h"

namespace {

constexpr int kTickPeriodMs = 10;

void RunGame(quorvil::MessageBox& messageBox) {
  quorvil::SdlSession sdl;
  std::unique_ptr<quorvil::SdlGlWindow> window =
      quorvil::SdlGlWindow::Open(quorvil::kWindowTitle, quorvil::WindowBounds{}, messageBox);
  // No usable GL context: the message box has said so; no frame is drawn.
  if (window == nullptr) return;

  quorvil::TextSdlTtf text;
  // Silent when the machine has no sound; the game plays on all the same.
  quorvil::SdlSound sound(quorvil::EmbeddedResources());
  quorvil::MainWindow form(*window, messageBox, sound, quorvil::EmbeddedResources(), text);
  form.FormCreate(quorvil::Seeding::FromClock);

  window->Show();
  form.RequestRepaint();
  quorvil::RunEventLoop(form, kTickPeriodMs);
  form.FormDestroy();
}

}  // namespace

int main() {
  quorvil::CatchStopSignals();
  quorvil::SdlMessageBox messageBox;
  try {
    RunGame(messageBox);
  } catch (const std::exception& error) {
    messageBox.ShowError(quorvil::kErrorBoxCaption, error.what());
  } catch (...) {
    messageBox.ShowError(quorvil::kErrorBoxCaption, "");
  }
  return 0;
}
