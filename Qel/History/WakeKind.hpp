#pragma once
// What woke the machine for a moment during a sleep, sorted from the free-text reason the log
// gives, with a title and a sentence of advice for the sleep report.
#include <optional>
#include <string>
#include <string_view>

namespace qel {

class WakeKind {
 public:
  enum Value : int { maintenance = 0, network = 1, device = 2, adapter = 3, lid = 4, system = 5 };

  constexpr WakeKind(Value value) : value_(value) {}
  // By keywords, case ignored; no known keyword (or no reason) is `system`.
  static WakeKind classify(std::string_view reason);
  // 0 to 5; anything else is absent.
  static std::optional<WakeKind> fromRaw(int raw);

  constexpr Value value() const { return value_; }
  constexpr int rawValue() const { return int(value_); }
  std::string title() const;
  std::string advice() const;
  bool operator==(const WakeKind&) const = default;

 private:
  Value value_;
};

}  // namespace qel
