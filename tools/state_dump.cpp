#include "tools/state_dump.h"

#include <algorithm>
#include <charconv>

namespace quorvil::sim {

namespace {

// Number formatting through to_chars, which writes what printf writes in
// the "C" locale: "%.9g" for a float, "%.17g" for a double. Both precisions
// read back to the same bits.
class LineWriter {
 public:
  explicit LineWriter(std::string& text) : text_(text) {}

  LineWriter& Text(std::string_view s) {
    text_ += s;
    return *this;
  }
  LineWriter& Int(int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text_.append(buffer, end);
    return *this;
  }
  LineWriter& Unsigned(uint64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text_.append(buffer, end);
    return *this;
  }
  LineWriter& Flag(bool value) { return Text(value ? "1" : "0"); }
  LineWriter& Single(float value) { return Real(double(value), 9); }
  LineWriter& Double(double value) { return Real(value, 17); }
  LineWriter& Point(Vec2 v) { return Single(v.x).Text(",").Single(v.y); }
  LineWriter& End() { return Text("\n"); }

 private:
  LineWriter& Real(double value, int precision) {
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision).ptr;
    text_.append(buffer, end);
    return *this;
  }

  std::string& text_;
};

void WriteShotList(LineWriter& line, const GameState& state) {
  line.Text("shot count=").Int(state.shotPocketedCount).Text(" slots=");
  // `place` lets a script pocket more balls than a game holds; the count is
  // printed as it is, but no entry beyond the list is read.
  const int32_t listed = std::clamp<int32_t>(state.shotPocketedCount, 0, kShotListSize);
  for (int32_t i = 0; i < listed; ++i) {
    if (i > 0) line.Text(",");
    line.Int(state.shotPocketed[i]);
  }
  line.End();
}

}  // namespace

std::string FormatStateLines(const Game& game, const HeadlessForm& form) {
  const GameState& state = game.state;
  std::string text;
  LineWriter line(text);
  line.Text("game currentPlayer=").Int(state.currentPlayer)
      .Text(" ballsMoving=").Flag(state.ballsMoving)
      .Text(" wasMoving=").Flag(state.wasMoving)
      .Text(" waitingForShot=").Flag(state.waitingForShot)
      .Text(" soundOn=").Flag(state.soundOn)
      .Text(" impactStrength=").Single(state.impactStrength)
      .Text(" lastPocket=").Int(state.lastPocket)
      .Text(" firstPocketed=").Int(state.firstPocketed)
      .Text(" trayCount=").Int(state.trayCount).End();
  WriteShotList(line, state);
  line.Text("aim angle=").Single(state.cueAim.angle).Text(" pull=").Single(state.cueAim.pull).End();
  for (int i = 0; i < 2; ++i) {
    const Player& player = state.players[i];
    line.Text("player ").Int(i)
        .Text(" points=").Int(player.points)
        .Text(" group=").Int(player.group)
        .Text(" blackPocket=").Int(player.blackPocket)
        .Text(" blackPotted=").Flag(player.blackPotted).End();
  }
  const ViewFields& view = game.view;
  line.Text("view tilt=").Single(view.viewTilt)
      .Text(" spin=").Single(view.viewSpin)
      .Text(" panX=").Single(view.panX)
      .Text(" panY=").Single(view.panY)
      .Text(" distance=").Single(view.viewDistance)
      .Text(" help=").Flag(form.HelpVisible()).End();
  for (int slot = 0; slot < kBallCount; ++slot) {
    const Ball& ball = state.balls[slot];
    line.Text("ball ").Int(slot)
        .Text(" kind=").Int(ball.kind)
        .Text(" pocketed=").Flag(ball.pocketed)
        .Text(" pos=").Point(ball.pos)
        .Text(" vel=").Point(ball.vel)
        .Text(" prev=").Point(ball.prevPos).End();
  }
  for (int slot = 0; slot < kBallCount; ++slot) {
    line.Text("orient ").Int(slot);
    for (const double element : state.balls[slot].orientation) line.Text(" ").Double(element);
    line.End();
  }
  line.Text("score \"").Text(form.statusText()).Text("\"").End();
  return text;
}

void WriteDump(const Game& game, const HeadlessForm& form, const SoundRecorder& sounds, const TextOut& out) {
  out(FormatStateLines(game, form));
  out("sounds ");
  sounds.WriteNames(out);
  std::string last = "\nrepaints ";
  LineWriter(last).Unsigned(form.repaints()).End();
  out(last);
}

}  // namespace quorvil::sim
