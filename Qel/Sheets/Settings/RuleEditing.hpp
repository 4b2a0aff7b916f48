#pragma once
// How a rule's threshold maps onto its editor. The stored rules come from a file the user can
// edit, so a threshold may be anything: these read it safely and never change what is stored.
#include <string>

#include "Qel/Store/AlertRule.hpp"

namespace qel {

// How many steps the rule's slider has (at least 0).
int ruleSteps(const RuleMeta& meta);
// The slider position nearest `threshold`, inside the slider; 0 for a value that is not finite.
int ruleStepOf(const RuleMeta& meta, double threshold);
// The threshold at slider position `step`.
double ruleThresholdAt(const RuleMeta& meta, int step);
// The threshold as shown: its whole part and the unit ("85%", "50 GB"); a value that is not
// finite or too large to be a threshold reads "—".
std::string ruleValueText(const RuleMeta& meta, double threshold);

}  // namespace qel
