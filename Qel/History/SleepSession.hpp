#pragma once
// One sleep of the machine and the short dark wakes inside it.
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct SleepWake {
  Date date{};
  int seconds{};  // length of the dark wake
  std::optional<int> charge;  // battery percent at the wake
  std::string reason;         // empty when the log names none
  bool operator==(const SleepWake&) const = default;
};

struct SleepSession {
  Date start{};  // also its identity
  Date end{};
  std::optional<int> chargeStart;
  std::optional<int> chargeEnd;
  bool onBattery{};  // both ends said the machine ran on battery
  std::vector<SleepWake> wakes;
  std::vector<std::string> holders;  // processes that held wake locks; never stored
  bool operator==(const SleepSession&) const = default;
};

}  // namespace qel
