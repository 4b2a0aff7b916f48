#pragma once
// Something the insight engine noticed about one process; worded when it is shown.
#include <cstdint>
#include <string>

#include "Qel/History/FindingFacts.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct Finding {
  std::string id;  // "run-<pid>" or "leak-<pid>"
  std::int32_t pid{};
  std::uint64_t startTime{};  // with the pid, the process it is about
  FindingFacts facts;         // its name, its kind and the figures its words give
  Date date;
  std::string title() const { return findingTitle(facts); }
  std::string detail() const { return findingDetail(facts); }
  bool operator==(const Finding&) const = default;
};

}  // namespace qel
