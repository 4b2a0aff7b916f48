#pragma once
// The plain records the whole-machine readers return.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace qel {

// Load since the previous reading, as fractions 0 to 1 of all logical processors together
// (1.0 = every processor fully busy); nice time counts as user time.
struct CPUSample {
  double total{}, user{}, system{};
  std::vector<double> perCore;  // one fraction per logical processor, in the kernel's order
  bool operator==(const CPUSample&) const = default;
};

// The processor's model as the system names it (none when it names none) and which of its
// logical processors are efficiency cores (none on a machine without a hybrid CPU).
struct ChipInfo {
  std::optional<std::string> model;
  int efficiencyCores = 0;
  std::vector<unsigned> efficiencyCpus;  // processor numbers, ascending; empty when not known
  bool operator==(const ChipInfo&) const = default;
};

struct MemSample {
  std::uint64_t total{};       // bytes of physical memory
  std::uint64_t app{};         // anonymous memory of processes
  std::uint64_t wired{};       // memory that can't be reclaimed or swapped
  std::uint64_t compressed{};  // memory holding compressed pages (zswap, zram)
  double pressure{};           // percent 0 to 100
  std::uint64_t swapUsed{};
  bool operator==(const MemSample&) const = default;

  // Memory in use: processes', wired and compressed. The counters come from outside, so the sum
  // stops at the largest value instead of wrapping past it.
  std::uint64_t used() const {
    std::uint64_t sum = 0;
    for (const std::uint64_t part : {app, wired, compressed}) sum = part > UINT64_MAX - sum ? UINT64_MAX : sum + part;
    return sum;
  }
  // used() as a share of the total; 0 without a total.
  double usedFraction() const { return total == 0 ? 0.0 : double(used()) / double(total); }
};

// Bytes per second.
struct NetRate {
  double down{}, up{};
  bool operator==(const NetRate&) const = default;
};
struct DiskRate {
  double read{}, write{};
  bool operator==(const DiskRate&) const = default;
};

// What the battery's gauge reports about power flowing in, in milliwatts.
struct PowerTelemetry {
  std::optional<double> systemPowerIn;  // entering the machine from the adapter
  std::optional<double> batteryPower;   // going into (or out of) the battery
  bool operator==(const PowerTelemetry&) const = default;
};

// Adapter and charging power in watts; all absent when not on AC.
struct ChargerSample {
  std::optional<double> adapterWatts, inputWatts, chargingWatts;
  bool operator==(const ChargerSample&) const = default;

  // Voltage in millivolts, amperage in milliamperes (negative while discharging).
  static ChargerSample make(bool onAC, bool charging, std::optional<double> adapterWatts,
                            const std::optional<PowerTelemetry>& telemetry, std::optional<double> voltage,
                            std::optional<double> amperage);
};

struct BatterySample {
  bool present{};
  int percent{};
  bool onAC{};
  bool charging{};
  ChargerSample charger;
  std::optional<int> cycles;
  std::optional<int> health;  // full-charge capacity as a percent of design, at most 100
  std::optional<double> remainingWh;
  bool operator==(const BatterySample&) const = default;
};

struct GPUSample {
  double util{};            // 0 to 1
  std::uint64_t memory{};   // bytes in use by the graphics processor
  std::optional<int> cores;
  bool operator==(const GPUSample&) const = default;
};

enum class ThermalState { nominal, fair, serious, critical };

// Space in bytes. `free` is what the user can still write (blocks kept for root left out);
// `used` is what is written, as df counts it.
struct DiskDetail {
  std::uint64_t total{}, free{}, purgeable{}, used{};
  bool operator==(const DiskDetail&) const = default;
};

struct VolumeInfo {
  std::string id;  // the mount path
  std::string name;
  std::uint64_t total{}, free{}, used{};  // as in DiskDetail
  bool isInternal{}, isRoot{};
  bool operator==(const VolumeInfo&) const = default;
};

struct WakeHolder {
  std::int32_t pid{};
  std::string name, reason;
  bool displayOnly{};
  bool operator==(const WakeHolder&) const = default;
};

struct NetAddress {
  std::string interface, address;
  std::string id() const { return interface + address; }
  bool operator==(const NetAddress&) const = default;
};

}  // namespace qel
