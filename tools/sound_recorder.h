// The sound player as quorvil-sim sees it: every request is written down by
// the name it asks for, and nothing is played. Requests are kept as runs of
// one event's sequence and its repeat count, so a billion identical ticks
// cost one entry.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form_host.h"

namespace quorvil::sim {

using TextOut = std::function<void(std::string_view)>;

class SoundRecorder : public SoundSink {
 public:
  void PlayResource(std::string_view name) override { Record(name); }
  void PlayFile(std::string_view path) override { Record(path); }
  // The start-up clicks need not be spaced out when nobody listens.
  void Wait(int) override {}

  // Closes the requests made since the last commit as one event that
  // happened `times` times in a row.
  void Commit(uint64_t times);
  bool empty() const { return pending_.empty() && runs_.empty(); }
  // Writes the committed requests, separated by single blanks, or "-" when
  // there are none; a billion-fold run is written out in pieces.
  void WriteNames(const TextOut& out) const;
  void Clear();

 private:
  void Record(std::string_view name);

  struct Run {
    std::vector<uint32_t> names;  // indices into names_
    uint64_t times;
  };
  std::vector<std::string> names_;  // every name seen, each once
  std::vector<uint32_t> pending_;
  std::vector<Run> runs_;
};

}  // namespace quorvil::sim
