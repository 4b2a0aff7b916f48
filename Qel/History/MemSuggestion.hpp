#pragma once
// Memory advice: when memory runs short, up to three ordinary apps the user isn't using that
// hold much memory, most worth quitting first.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/Finding.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

struct MemSuggestion {
  std::string key;  // the app key; also the identity
  std::string name;
  std::uint64_t bytes{};  // all the app's processes together
  std::string idleText;
  bool leaking{};  // one of its processes keeps growing (a memory finding)
  bool operator==(const MemSuggestion&) const = default;
};

// The advice's on/off state with hysteresis: on from 60 % pressure, off below 50 %.
bool adviceWanted(double pressure, bool showingNow);

// How long an app has not been in front: from when it last was, else from the program's start.
std::string idleText(std::optional<Date> lastFront, Date launch, Date now);

struct AdviceInput {
  const std::vector<ProcInfo>& procs;
  const std::vector<Finding>& findings;
  std::optional<std::string> frontKey;  // the front application's key, never suggested
  const std::map<std::string, Date>& lastFront;
  Date launch;
  Date now;
  std::int32_t ownPID;
  std::function<std::string(const std::string& key)> appName;
};

std::vector<MemSuggestion> memorySuggestions(const AdviceInput& in);

}  // namespace qel
