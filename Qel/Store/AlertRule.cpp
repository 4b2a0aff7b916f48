#include "Qel/Store/AlertRule.hpp"

#include <cmath>

#include "Qel/Text/Loc.hpp"

namespace qel::Rules {
namespace {

struct Row {
  AlertRule rule;
  RuleMeta meta;
};

const std::vector<Row>& table() {
  static const std::vector<Row> rows{
      {{"cpu", true, 85, 120},
       {Lkey("Whole computer"), Lkey("CPU busy for a long time"), Lkey("Overall usage stays above the threshold for a while"), "%", 50,
        100, 5, true, true, false}},
      {{"memp", true, 60, 60},
       {Lkey("Whole computer"), Lkey("High memory pressure"), Lkey("The system is compressing memory heavily or using swap"), "%", 40,
        95, 5, true, true, false}},
      {{"disk", false, 50, 0},
       {Lkey("Whole computer"), Lkey("Low disk space"), Lkey("Free space on the system disk falls below the threshold"), " GB", 5, 200,
        5, true, false, true}},
      {{"thermal", true, 0, 0},
       {Lkey("Temperature and battery"), Lkey("Computer overheating"), Lkey("The thermal state becomes Hot or Overheating"), "", 0, 1,
        1, false, false, false}},
      {{"bat", true, 20, 0},
       {Lkey("Temperature and battery"), Lkey("Low battery"), Lkey("Only checked on battery power"), "%", 5, 50, 5, true, false,
        true}},
      {{"pcpu", false, 100, 300},
       {Lkey("Single process"), Lkey("A process hogs the CPU for a long time"), Lkey("One process stays above the threshold for a while"),
        "%", 50, 400, 10, true, true, false}},
  };
  return rows;
}

std::optional<std::int64_t> wholeNumber(const nlohmann::json& j) {
  if (j.is_number_integer()) {
    if (j.is_number_unsigned() && j.get<std::uint64_t>() > std::uint64_t(INT64_MAX)) return std::nullopt;
    return j.get<std::int64_t>();
  }
  if (!j.is_number_float()) return std::nullopt;
  // A whole number written with a point ("120.0") is still a whole number.
  const double v = j.get<double>();
  if (!std::isfinite(v) || v != std::floor(v) || std::fabs(v) >= 9.0e18) return std::nullopt;
  return std::int64_t(v);
}

const AlertRule* defaultRule(const std::string& id) {
  for (const auto& row : table())
    if (row.rule.id == id) return &row.rule;
  return nullptr;
}

// One stored rule: a value that can't be read is that rule's default, so one bad number costs
// only itself. A rule whose id can't be read, or that is no rule of ours, is no rule.
std::optional<AlertRule> decodeRule(const nlohmann::json& j) {
  if (!j.is_object()) return std::nullopt;
  const auto id = j.find("id");
  if (id == j.end() || !id->is_string()) return std::nullopt;
  const AlertRule* fallback = defaultRule(id->get<std::string>());
  if (!fallback) return std::nullopt;
  AlertRule rule = *fallback;
  if (const auto on = j.find("on"); on != j.end() && on->is_boolean()) rule.on = on->get<bool>();
  if (const auto t = j.find("threshold"); t != j.end() && t->is_number() && std::isfinite(t->get<double>()))
    rule.threshold = t->get<double>();
  if (const auto sustain = j.find("sustain"); sustain != j.end())
    if (const auto v = wholeNumber(*sustain)) rule.sustain = *v;
  return rule;
}

}  // namespace

const std::vector<AlertRule>& defaults() {
  static const std::vector<AlertRule> rules = [] {
    std::vector<AlertRule> out;
    for (const auto& row : table()) out.push_back(row.rule);
    return out;
  }();
  return rules;
}

const std::map<std::string, RuleMeta>& meta() {
  static const std::map<std::string, RuleMeta> byId = [] {
    std::map<std::string, RuleMeta> out;
    for (const auto& row : table()) out.emplace(row.rule.id, row.meta);
    return out;
  }();
  return byId;
}

std::optional<std::vector<AlertRule>> decode(const nlohmann::json& stored) {
  if (!stored.is_array()) return std::nullopt;
  std::vector<AlertRule> out;
  for (const auto& element : stored)
    if (auto rule = decodeRule(element)) out.push_back(std::move(*rule));
  return out;
}

nlohmann::json encode(const std::vector<AlertRule>& rules) {
  auto out = nlohmann::json::array();
  for (const auto& r : rules)
    out.push_back({{"id", r.id}, {"on", r.on}, {"threshold", r.threshold}, {"sustain", r.sustain}});
  return out;
}

std::vector<AlertRule> merged(const std::vector<AlertRule>& stored) {
  std::vector<AlertRule> out = defaults();
  for (auto& rule : out) {
    for (const auto& s : stored) {
      if (s.id == rule.id) {
        rule = s;
        break;
      }
    }
  }
  return out;
}

}  // namespace qel::Rules
