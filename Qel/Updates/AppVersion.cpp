#include "Qel/Updates/AppVersion.hpp"

#include <algorithm>
#include <vector>

#include "Qel/Platform/Utf8.hpp"

namespace qel {

namespace {

// Every maximal run of decimal digits, in order; a run too long for the type is skipped.
std::vector<std::int64_t> numbersIn(std::string_view text) {
  std::vector<std::int64_t> out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    std::int64_t value = 0;
    bool fits = true;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      const int digit = text[i] - '0';
      if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10) fits = false;
      if (fits) value = value * 10 + digit;
    }
    if (fits) out.push_back(value);
  }
  return out;
}

}  // namespace

std::optional<AppVersion> AppVersion::parse(std::string_view text) {
  const std::string lower = asciiLower(text);
  const std::size_t at = lower.find("beta");
  const std::string_view whole(lower);
  const auto numbers = numbersIn(whole.substr(0, at));
  if (numbers.empty()) return std::nullopt;
  AppVersion v;
  for (std::size_t i = 0; i < v.core.size() && i < numbers.size(); ++i) v.core[i] = numbers[i];
  if (at != std::string::npos) {
    // Only the part up to a second "beta" counts.
    const std::string_view rest = whole.substr(at + 4);
    const auto betaNumbers = numbersIn(rest.substr(0, rest.find("beta")));
    // The largest number stands for "no beta"; a beta that high stays a beta.
    v.beta = betaNumbers.empty() ? 0 : std::min(betaNumbers.front(), release - 1);
  }
  return v;
}

std::optional<AppVersion> AppVersion::current() { return parse(QEL_VERSION); }

std::string AppVersion::number() const {
  return std::to_string(core[0]) + "." + std::to_string(core[1]) + "." + std::to_string(core[2]);
}

std::string AppVersion::text() const { return isBeta() ? number() + "-beta." + std::to_string(beta) : number(); }

}  // namespace qel
