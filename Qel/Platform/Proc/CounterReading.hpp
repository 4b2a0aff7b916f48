#pragma once
// One reading of a family of cumulative counters, one pair per device (an interface's received
// and sent bytes, a disk's sectors read and written), keyed by the device's name.
#include <cstdint>
#include <map>
#include <string>

namespace qel {

struct CounterPair {
  std::uint64_t first{}, second{};
  bool operator==(const CounterPair&) const = default;
};

using CounterReading = std::map<std::string, CounterPair>;

}  // namespace qel
