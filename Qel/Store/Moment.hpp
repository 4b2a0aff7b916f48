#pragma once
// What the day ring's centre shows: a moment's name and its load, when known.
#include <optional>
#include <string>

namespace qel {

struct Moment {
  std::string label;
  std::optional<double> cpu;  // fraction of all cores
  std::optional<double> mem;  // fraction of memory in use
  bool isNow{};
  bool operator==(const Moment&) const = default;
};

}  // namespace qel
