#pragma once
// Recording a stretch, and keeping the recorded ones.
#include <string>

#include "Qel/History/Stretch.hpp"

namespace qel {

class StretchActions {
 public:
  virtual ~StretchActions() = default;

  virtual void startStretch() = 0;
  virtual void stopStretch() = 0;
  virtual void rename(const Stretch& stretch, const std::string& name) = 0;
  virtual void deleteStretch(const Stretch& stretch) = 0;
};

}  // namespace qel
