#pragma once
// A version number of this program: three release numbers and an optional beta number. A
// release sorts after every beta of the same numbers ("1.2.0-beta.3" < "1.2.0").
#include <array>
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

struct AppVersion {
  static constexpr std::int64_t release = std::numeric_limits<std::int64_t>::max();

  std::array<std::int64_t, 3> core{};  // major, minor, patch
  std::int64_t beta = release;         // `release` when this is no beta

  // Reads "1.2", "1.2.3-beta.4", "1.0 Beta4", "2.0 beta" (beta 0). None when the part before
  // "beta" holds no number; numbers past the third are dropped, missing ones are zero.
  static std::optional<AppVersion> parse(std::string_view text);
  // The running program's version.
  static std::optional<AppVersion> current();

  bool isBeta() const { return beta != release; }
  std::string number() const;  // "1.2.3"
  std::string text() const;    // "1.2.3" or "1.2.3-beta.4"

  friend bool operator==(const AppVersion&, const AppVersion&) = default;
  friend std::strong_ordering operator<=>(const AppVersion& a, const AppVersion& b) {
    if (a.core != b.core) return a.core <=> b.core;
    return a.beta <=> b.beta;
  }
};

}  // namespace qel
