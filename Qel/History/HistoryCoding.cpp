#include "Qel/History/HistoryCoding.hpp"

#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

namespace qel {
namespace {

using Json = nlohmann::json;
// Keeps the keys in the order written, like the rows written before.
using OrderedJson = nlohmann::ordered_json;

constexpr double kSince2001 = 978307200.0;

double finiteOr0(double v) { return std::isfinite(v) ? v : 0.0; }

std::optional<Json> parse(std::string_view text) {
  Json j = Json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
  if (j.is_discarded()) return std::nullopt;
  return j;
}

template <class J>
std::string dump(const J& j) {
  try {
    // Names come from process lists and logs: replace bad UTF-8 instead of failing.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
  } catch (...) {
    return "[]";
  }
}

std::optional<double> number(const Json& j, const char* key) {
  auto it = j.find(key);
  if (it == j.end() || !it->is_number()) return std::nullopt;
  const double v = it->get<double>();
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

// An integer, or a number with no fraction that fits an int.
std::optional<int> integer(const Json& j, const char* key) {
  auto it = j.find(key);
  if (it == j.end() || !it->is_number()) return std::nullopt;
  if (it->is_number_unsigned()) {
    const auto v = it->get<std::uint64_t>();
    if (v > std::uint64_t(std::numeric_limits<int>::max())) return std::nullopt;
    return int(v);
  }
  if (it->is_number_integer()) {
    const auto v = it->get<std::int64_t>();
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
    return int(v);
  }
  const double d = it->get<double>();
  if (!std::isfinite(d) || d != std::trunc(d) || d < std::numeric_limits<int>::min() ||
      d > std::numeric_limits<int>::max())
    return std::nullopt;
  return int(d);
}

std::optional<std::string> string(const Json& j, const char* key) {
  auto it = j.find(key);
  if (it == j.end() || !it->is_string()) return std::nullopt;
  return it->get<std::string>();
}

// Decodes every element with `one`; a single element that doesn't decode fails the whole array.
template <class T, class F>
std::optional<std::vector<T>> array(const Json& j, F one) {
  if (!j.is_array()) return std::nullopt;
  std::vector<T> out;
  out.reserve(j.size());
  for (const auto& e : j) {
    auto v = one(e);
    if (!v) return std::nullopt;
    out.push_back(std::move(*v));
  }
  return out;
}

template <class T, class F>
std::vector<T> arrayOrEmpty(std::string_view text, F one) {
  auto j = parse(text);
  if (!j) return {};
  return array<T>(*j, one).value_or(std::vector<T>{});
}

std::optional<SleepWake> wake(const Json& j) {
  if (!j.is_object()) return std::nullopt;
  auto date = number(j, "date");
  auto seconds = integer(j, "seconds");
  auto reason = string(j, "reason");
  if (!date || !seconds || !reason) return std::nullopt;
  SleepWake w{.date = fromSeconds(*date + kSince2001), .seconds = *seconds, .reason = std::move(*reason)};
  if (auto it = j.find("charge"); it != j.end() && !it->is_null()) {
    w.charge = integer(j, "charge");
    if (!w.charge) return std::nullopt;
  }
  return w;
}

std::optional<StretchApp> stretchApp(const Json& j) {
  if (!j.is_object()) return std::nullopt;
  auto name = string(j, "name");
  auto share = number(j, "share");
  if (!name || !share) return std::nullopt;
  return StretchApp{std::move(*name), *share};
}

std::optional<double> seriesPoint(const Json& j) {
  if (!j.is_number()) return std::nullopt;
  const double v = j.get<double>();
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<std::optional<DayBucket>> bucket(const Json& j) {
  if (j.is_null()) return std::optional<DayBucket>{};
  if (!j.is_object()) return std::nullopt;
  auto cpu = number(j, "cpu"), mem = number(j, "mem"), pressure = number(j, "pressure"),
       peak = number(j, "peak"), topCPU = number(j, "topCPU");
  auto top = string(j, "top");
  auto count = integer(j, "count");
  if (!cpu || !mem || !pressure || !peak || !topCPU || !top || !count) return std::nullopt;
  return std::optional<DayBucket>(DayBucket{*cpu, *mem, *pressure, *peak, std::move(*top), *topCPU, *count});
}

std::optional<std::uint64_t> bytes(const Json& j, const char* key) {
  auto it = j.find(key);
  if (it == j.end() || !it->is_number_unsigned()) return std::nullopt;
  return it->get<std::uint64_t>();
}

std::optional<BaselineSlot> baselineSlot(const Json& j) {
  if (!j.is_object()) return std::nullopt;
  auto cpu = number(j, "cpu");
  auto days = integer(j, "days");
  if (!cpu || !days) return std::nullopt;
  return BaselineSlot{*cpu, *days};
}

}  // namespace

std::string encodeWakes(const std::vector<SleepWake>& wakes) {
  OrderedJson out = OrderedJson::array();
  for (const auto& w : wakes) {
    OrderedJson o;
    o["date"] = toSeconds(w.date) - kSince2001;
    o["seconds"] = w.seconds;
    if (w.charge) o["charge"] = *w.charge;
    o["reason"] = w.reason;
    out.push_back(std::move(o));
  }
  return dump(out);
}

std::vector<SleepWake> decodeWakes(std::string_view text) { return arrayOrEmpty<SleepWake>(text, wake); }

std::string encodeStretchApps(const std::vector<StretchApp>& apps) {
  OrderedJson out = OrderedJson::array();
  for (const auto& a : apps) out.push_back(OrderedJson{{"name", a.name}, {"share", finiteOr0(a.share)}});
  return dump(out);
}

std::vector<StretchApp> decodeStretchApps(std::string_view text) {
  return arrayOrEmpty<StretchApp>(text, stretchApp);
}

std::string encodeSeries(const std::vector<double>& series) {
  Json out = Json::array();
  for (double v : series) out.push_back(finiteOr0(v));
  return dump(out);
}

std::vector<double> decodeSeries(std::string_view text) { return arrayOrEmpty<double>(text, seriesPoint); }

std::string encodeFindingFacts(const FindingFacts& facts) {
  OrderedJson out{{"kind", facts.isMemory ? "growth" : "busy"}, {"name", facts.name}};
  if (facts.isMemory) {
    out["minutes"] = facts.minutes;
    out["from"] = facts.from;
    out["to"] = facts.to;
  } else {
    out["cpu"] = facts.cpu;
  }
  return dump(out);
}

std::optional<FindingFacts> decodeFindingFacts(std::string_view text) {
  auto j = parse(text);
  if (!j || !j->is_object()) return std::nullopt;
  auto kind = string(*j, "kind");
  auto name = string(*j, "name");
  if (!kind || !name) return std::nullopt;
  FindingFacts facts{.name = std::move(*name)};
  if (*kind == "busy") {
    auto cpu = integer(*j, "cpu");
    if (!cpu) return std::nullopt;
    facts.cpu = *cpu;
    return facts;
  }
  if (*kind != "growth") return std::nullopt;
  auto minutes = integer(*j, "minutes");
  auto from = bytes(*j, "from"), to = bytes(*j, "to");
  if (!minutes || !from || !to) return std::nullopt;
  facts.isMemory = true;
  facts.minutes = *minutes;
  facts.from = *from;
  facts.to = *to;
  return facts;
}

std::optional<LegacyDay> decodeLegacyDay(std::string_view text) {
  auto j = parse(text);
  if (!j || !j->is_object()) return std::nullopt;
  auto key = string(*j, "key");
  auto it = j->find("buckets");
  if (!key || it == j->end()) return std::nullopt;
  auto buckets = array<std::optional<DayBucket>>(*it, bucket);
  if (!buckets) return std::nullopt;
  return LegacyDay{std::move(*key), std::move(*buckets)};
}

std::optional<std::vector<BaselineSlot>> decodeLegacyBaseline(std::string_view text) {
  auto j = parse(text);
  if (!j) return std::nullopt;
  return array<BaselineSlot>(*j, baselineSlot);
}

}  // namespace qel
