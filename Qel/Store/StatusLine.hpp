#pragma once
// The one-line headline of the overview and the menu panel.
#include <string>

#include "Qel/Store/Enums.hpp"

namespace qel {

struct StatusLine {
  Level level{};
  std::string title;
  std::string detail;
  bool operator==(const StatusLine&) const = default;
};

}  // namespace qel
