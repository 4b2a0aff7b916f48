#pragma once
// The JSON texts kept inside history rows, and the two older files that the first start imports.
// Encoders never write a non-finite number; decoders are total: text that doesn't decode gives
// the empty result (or nothing), never an exception.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/History/BaselineSlot.hpp"
#include "Qel/History/DayBucket.hpp"
#include "Qel/History/FindingFacts.hpp"
#include "Qel/History/SleepSession.hpp"
#include "Qel/History/Stretch.hpp"

namespace qel {

// Wake dates are seconds since 2001-01-01 00:00:00 UTC, as older rows hold them.
std::string encodeWakes(const std::vector<SleepWake>& wakes);
std::vector<SleepWake> decodeWakes(std::string_view text);

std::string encodeStretchApps(const std::vector<StretchApp>& apps);
std::vector<StretchApp> decodeStretchApps(std::string_view text);

std::string encodeSeries(const std::vector<double>& series);
std::vector<double> decodeSeries(std::string_view text);

// A finding's figures beside its stored words: {"kind": "busy", "name", "cpu"} or
// {"kind": "growth", "name", "minutes", "from", "to"}. Nothing when the text is another shape.
std::string encodeFindingFacts(const FindingFacts& facts);
std::optional<FindingFacts> decodeFindingFacts(std::string_view text);

// "day.json": {"key": "yyyy-MM-dd", "buckets": [null or a bucket, ...]}, position = slot.
struct LegacyDay {
  std::string key;
  std::vector<std::optional<DayBucket>> buckets;
  bool operator==(const LegacyDay&) const = default;
};
std::optional<LegacyDay> decodeLegacyDay(std::string_view text);

// "baseline.json": [{"cpu": number, "days": integer}, ...], position = slot.
std::optional<std::vector<BaselineSlot>> decodeLegacyBaseline(std::string_view text);

}  // namespace qel
