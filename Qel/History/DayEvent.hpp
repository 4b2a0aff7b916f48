#pragma once
// A busy or memory-tight moment of a day, worded for the user.
#include <optional>
#include <string>

#include "Qel/History/FindingFacts.hpp"

namespace qel {

struct DayEvent {
  int slot{};  // 0 to 143
  bool isMemory{};
  std::string title;
  std::string detail;
  // A finding's own figures, from which the day's list words it again in the language on
  // screen; none for the slots' own events and for findings stored before they were kept.
  std::optional<FindingFacts> facts;
  bool operator==(const DayEvent&) const = default;
};

}  // namespace qel
