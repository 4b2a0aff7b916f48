#pragma once
// A desktop whose front application the test sets; none means "this desktop can't tell".
#include "Qel/Store/Sources.hpp"

namespace qel::test {

class FakeDesktop final : public Desktop {
 public:
  std::optional<std::int32_t> front;
  std::optional<std::int32_t> frontPid() const override { return front; }
  int screenCount() const override { return 1; }
  void applyAppearance(const std::string&) override {}
  void updateDockIcon(bool) override {}
};

}  // namespace qel::test
