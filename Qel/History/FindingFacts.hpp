#pragma once
// What a finding says, kept as values rather than words: a card, a day's notice or a row read
// back from the history is worded in the language on screen when it is shown.
#include <cstdint>
#include <string>

namespace qel {

struct FindingFacts {
  bool isMemory{};  // memory growth; else busy in the background
  std::string name;  // the process
  int cpu{};         // busy: its CPU when raised, percent of one core
  int minutes{};     // growth: how long its memory was watched
  std::uint64_t from{}, to{};  // growth: its memory at the first and the last sample, bytes
  bool operator==(const FindingFacts&) const = default;
};

// "%@ has been busy in the background", "%@ keeps using more memory".
std::string findingTitle(const FindingFacts& facts);
std::string findingDetail(const FindingFacts& facts);

}  // namespace qel
