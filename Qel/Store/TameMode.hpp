#pragma once
// Taming rules: an app is slowed (background priority) or paused (stopped) while it is not
// in front. Kept by app key in "qel.tameRules" as the raw values "slow" and "pause".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

enum class TameMode { slow, pause };

// A process tamed now: how, by the rule of which app, and its start time (with the pid, the
// identity every later signal checks).
struct TamedProc {
  TameMode mode = TameMode::slow;
  std::string key;
  std::uint64_t startTime = 0;
  bool operator==(const TamedProc&) const = default;
};

inline std::string_view rawValue(TameMode mode) { return mode == TameMode::slow ? "slow" : "pause"; }

inline std::optional<TameMode> tameModeFromRaw(std::string_view raw) {
  if (raw == "slow") return TameMode::slow;
  if (raw == "pause") return TameMode::pause;
  return std::nullopt;
}

}  // namespace qel
