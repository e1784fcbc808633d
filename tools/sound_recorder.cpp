#include "tools/sound_recorder.h"

namespace quorvil::sim {

void SoundRecorder::Record(std::string_view name) {
  uint32_t index = 0;
  while (index < names_.size() && names_[index] != name) ++index;
  if (index == names_.size()) names_.emplace_back(name);
  pending_.push_back(index);
}

void SoundRecorder::Commit(uint64_t times) {
  if (pending_.empty() || times == 0) {
    pending_.clear();
    return;
  }
  // Single events follow each other in one run, so that a long simulation
  // does not keep a run per tick.
  if (times == 1 && !runs_.empty() && runs_.back().times == 1) {
    runs_.back().names.insert(runs_.back().names.end(), pending_.begin(), pending_.end());
    pending_.clear();
    return;
  }
  runs_.push_back(Run{std::move(pending_), times});
  pending_.clear();
}

void SoundRecorder::WriteNames(const TextOut& out) const {
  if (runs_.empty()) {
    out("-");
    return;
  }
  constexpr size_t kPieceBytes = 1 << 16;
  std::string piece;
  bool first = true;
  for (const Run& run : runs_) {
    for (uint64_t repeat = 0; repeat < run.times; ++repeat) {
      for (const uint32_t index : run.names) {
        if (!first) piece.push_back(' ');
        first = false;
        piece += names_[index];
        if (piece.size() >= kPieceBytes) {
          out(piece);
          piece.clear();
        }
      }
    }
  }
  out(piece);
}

void SoundRecorder::Clear() {
  pending_.clear();
  runs_.clear();
}

}  // namespace quorvil::sim
