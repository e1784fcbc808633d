#include "tools/state_fingerprint.h"

#include <type_traits>

namespace quorvil::sim {

namespace {

// Fields are copied one by one, never whole records, so the padding between
// them never enters the comparison. Floats are compared by their bits: 0
// and -0 differ, as they may lead to different results.
class Fingerprint {
 public:
  explicit Fingerprint(std::string& bytes) : bytes_(bytes) { bytes_.clear(); }

  template <typename T>
  void Add(const T& value) {
    static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
    bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void Add(Vec2 v) {
    Add(v.x);
    Add(v.y);
  }
  void Add(const TextureImage& image) {
    Add(image.loaded);
    Add(image.modulate);
    Add(image.repeatWrap);
  }
  void Add(const std::string& text) {
    Add(text.size());
    bytes_ += text;
  }

 private:
  std::string& bytes_;
};

}  // namespace

void TakeFingerprint(const Game& game, const HeadlessForm& form, std::string& bytes) {
  Fingerprint print(bytes);
  const GameState& state = game.state;
  for (const Ball& ball : state.balls) {
    print.Add(ball.kind);
    print.Add(ball.pos);
    print.Add(ball.prevPos);
    print.Add(ball.vel);
    for (const float c : ball.colour) print.Add(c);
    print.Add(ball.pocketed);
    print.Add(ball.texture);
    for (const double e : ball.orientation) print.Add(e);
  }
  for (const Player& player : state.players) {
    print.Add(player.points);
    print.Add(player.group);
    print.Add(player.blackPocket);
    print.Add(player.blackPotted);
  }
  print.Add(state.cueAim.angle);
  print.Add(state.cueAim.pull);
  print.Add(state.currentPlayer);
  print.Add(state.ballsMoving);
  print.Add(state.wasMoving);
  print.Add(state.waitingForShot);
  print.Add(state.soundOn);
  print.Add(state.impactStrength);
  print.Add(state.lastPocket);
  print.Add(state.firstPocketed);
  print.Add(state.trayCount);
  for (const int32_t slot : state.shotPocketed) print.Add(slot);
  print.Add(state.shotPocketedCount);
  print.Add(state.clothTexture);
  print.Add(state.woodTexture);

  const ViewFields& view = game.view;
  print.Add(view.viewTilt);
  print.Add(view.viewSpin);
  print.Add(view.panX);
  print.Add(view.panY);
  print.Add(view.viewDistance);
  print.Add(game.lastMouseX);
  print.Add(game.lastMouseY);

  print.Add(form.title());
  print.Add(form.statusWidth());
  print.Add(form.statusText());
  print.Add(form.HelpVisible());
}

}  // namespace quorvil::sim
