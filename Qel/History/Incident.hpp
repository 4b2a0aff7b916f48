#pragma once
// The explanation of the last sixty seconds: a headline, a few lines and the processes behind it.
#include <cstdint>
#include <string>
#include <vector>

#include "Qel/History/Frame.hpp"

namespace qel {

struct Culprit {
  std::int32_t pid{};
  std::string name;
  double average{};  // percent of one core over the whole window
  double peak{};     // percent of one core
  int peakSecondsAgo{};
  bool operator==(const Culprit&) const = default;
};

struct Incident {
  std::string id;  // a new UUID for every analysis
  Date date;
  std::vector<Frame> frames;  // oldest first
  std::string headline;
  std::vector<std::string> lines;
  std::vector<Culprit> culprits;  // at most four, highest peak first
  bool operator==(const Incident&) const = default;
};

}  // namespace qel
