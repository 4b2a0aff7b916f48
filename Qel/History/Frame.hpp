#pragma once
// One second of the machine as the replay keeps it: the load and the busiest processes.
#include <cstdint>
#include <string>
#include <vector>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct FrameProc {
  std::int32_t pid{};
  std::string name;
  double cpu{};          // percent of one core
  std::uint64_t mem{};   // bytes
  bool operator==(const FrameProc&) const = default;
};

struct Frame {
  Date date;
  double cpu{};       // fraction of all cores
  double pressure{};  // memory pressure in percent
  double disk{};      // bytes per second read plus written
  std::vector<FrameProc> top;  // at most six, busiest first
  bool operator==(const Frame&) const = default;
};

}  // namespace qel
