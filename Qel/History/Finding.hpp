#pragma once
// Something the insight engine noticed about one process, worded for the user.
#include <cstdint>
#include <string>

#include "Qel/Platform/Clock.hpp"

namespace qel {

struct Finding {
  std::string id;  // "run-<pid>" or "leak-<pid>"
  std::int32_t pid{};
  std::uint64_t startTime{};  // with the pid, the process it is about
  std::string name;
  std::string title;
  std::string detail;
  Date date;
  bool isMemory{};  // memory growth; else busy in the background
  bool operator==(const Finding&) const = default;
};

}  // namespace qel
