#include "Qel/Sheets/Settings/RuleEditing.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qel {

int ruleSteps(const RuleMeta& meta) {
  if (!(meta.step > 0) || !(meta.rangeHigh > meta.rangeLow)) return 0;
  return static_cast<int>(std::lround((meta.rangeHigh - meta.rangeLow) / meta.step));
}

int ruleStepOf(const RuleMeta& meta, double threshold) {
  const int steps = ruleSteps(meta);
  if (steps == 0 || !std::isfinite(threshold)) return 0;
  const double at = std::clamp((threshold - meta.rangeLow) / meta.step, 0.0, double(steps));
  return static_cast<int>(std::lround(at));
}

double ruleThresholdAt(const RuleMeta& meta, int step) {
  return meta.rangeLow + std::clamp(step, 0, ruleSteps(meta)) * meta.step;
}

std::string ruleValueText(const RuleMeta& meta, double threshold) {
  // Far past any range a rule offers; also keeps the conversion inside 64 bits.
  constexpr double kLimit = 1e12;
  if (!std::isfinite(threshold) || std::abs(threshold) >= kLimit) return "—";
  return std::to_string(static_cast<std::int64_t>(std::trunc(threshold))) + meta.unit;
}

}  // namespace qel
