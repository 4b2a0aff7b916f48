#pragma once
// The user's own service manager (systemd --user, reached on the session bus) and the CPU weight
// of one of its units. Every desktop application runs in such a unit (its "app-….scope"), and
// the user may change that unit's weight for the running session without any privilege and set
// it back later: a way to slow an application down that can be undone.
#include <cstdint>
#include <optional>
#include <string>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

// The weight of a unit that sets none (the manager's default then applies).
inline constexpr std::uint64_t kUnsetCpuWeight = UINT64_MAX;

enum class UnitWrite { done, gone, failed };

class UserUnits {
 public:
  virtual ~UserUnits() = default;
  // The unit's CPUWeight setting (kUnsetCpuWeight when it sets none); none when it can't be read.
  virtual std::optional<std::uint64_t> cpuWeight(const std::string& unit) = 0;
  // Sets it until the session ends, writing nothing to the unit's files. `gone` when the unit no
  // longer exists.
  virtual UnitWrite setCpuWeight(const std::string& unit, std::uint64_t weight) = 0;
};

class SessionUserUnits final : public UserUnits {
 public:
  std::optional<std::uint64_t> cpuWeight(const std::string& unit) override;
  UnitWrite setCpuWeight(const std::string& unit, std::uint64_t weight) override;

 private:
  sd_bus* bus();
  Bus bus_;  // opened on first use, and again after a failed call
};

}  // namespace qel
