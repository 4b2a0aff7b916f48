#pragma once
// What the insights do on request: a finding put away, an app's profile read from the history,
// the memory advice's on and off.
#include <string>

#include "Qel/History/AppProfile.hpp"
#include "Qel/History/Finding.hpp"

namespace qel {

class InsightActions {
 public:
  virtual ~InsightActions() = default;

  virtual void dismiss(const Finding& finding) = 0;
  virtual AppProfile profile(const std::string& key) = 0;
  // Whether memory advice should show now (on from 60 % pressure until it drops below 50 %).
  virtual bool memoryAdviceWanted() = 0;
};

}  // namespace qel
