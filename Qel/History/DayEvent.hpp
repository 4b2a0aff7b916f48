#pragma once
// A busy or memory-tight moment of a day, already worded for the user.
#include <string>

namespace qel {

struct DayEvent {
  int slot{};  // 0 to 143
  bool isMemory{};
  std::string title;
  std::string detail;
  bool operator==(const DayEvent&) const = default;
};

}  // namespace qel
