#pragma once
// The six alert rules: the user's settings of each (`AlertRule`), their fixed descriptions
// (`RuleMeta`), and the stored form, a JSON array of rule objects under "qel.rules".
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace qel {

struct AlertRule {
  std::string id;  // "cpu", "memp", "disk", "thermal", "bat" or "pcpu"
  bool on = false;
  double threshold = 0;      // in the rule's unit; unused by "thermal"
  std::int64_t sustain = 0;  // ticks the condition must hold; 0 and 1 both mean the first
  bool operator==(const AlertRule&) const = default;
};

struct RuleMeta {
  std::string group;   // settings heading
  std::string title;   // also the alert's title
  std::string detail;  // one-line explanation
  std::string unit;    // written after the threshold (may begin with a blank)
  double rangeLow = 0, rangeHigh = 0;  // the thresholds the settings offer
  double step = 0;
  bool hasThreshold = false;
  bool hasSustain = false;
  bool below = false;  // fires below the threshold (else at or above it)
};

namespace Rules {

// The six rules in evaluation and settings order.
const std::vector<AlertRule>& defaults();
// Rule id → description.
const std::map<std::string, RuleMeta>& meta();

// The stored array of objects with "id" (string), "on" (boolean), "threshold" (number) and
// "sustain" (whole number). A value missing or unreadable is that rule's default; an element
// without a known id is left out. Absent only when the whole is not an array.
std::optional<std::vector<AlertRule>> decode(const nlohmann::json& stored);
nlohmann::json encode(const std::vector<AlertRule>& rules);

// The defaults with each replaced by the first stored rule of the same id; unknown ids drop.
std::vector<AlertRule> merged(const std::vector<AlertRule>& stored);

}  // namespace Rules
}  // namespace qel
