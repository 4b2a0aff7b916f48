#pragma once
// A time-stamped note of something that happened to the machine during the day.
#include <string>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct DayMark {
  int slot{};  // ten-minute slot of the day in which it was made
  Date date{};
  std::string kind;  // "plug", "unplug", "display+", "display-", "wake", "net-", "net+", "launch"
  std::string arg;   // the application's name for "launch", empty otherwise
  bool operator==(const DayMark&) const = default;

  // "<seconds since 1970>-<kind>-<arg>".
  std::string id() const;
  // What happened, in words ("Power adapter connected", "Firefox opened").
  std::string title() const;
};

}  // namespace qel
