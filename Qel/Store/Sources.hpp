#pragma once
// What the store reads the machine through. The program plugs in the real samplers; tests plug
// in scripted ones, so every rule of the tick runs without a real machine or real time.
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "Qel/Samplers/BTDevice.hpp"
#include "Qel/Samplers/NetTopSampler.hpp"
#include "Qel/Samplers/PortEntry.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

// Whole-machine readers; called only from the "qel.sampler" queue.
class SystemSource {
 public:
  virtual ~SystemSource() = default;
  virtual std::optional<CPUSample> cpu() = 0;
  virtual MemSample memory() = 0;
  virtual NetRate network() = 0;
  virtual DiskRate disk() = 0;
  virtual double load() = 0;
  virtual std::optional<GPUSample> gpu() = 0;
  virtual ThermalState thermal() = 0;
  // Slow readers, one tick in ten.
  virtual BatterySample battery() = 0;
  virtual std::optional<double> systemPower() = 0;
  virtual DiskDetail diskDetail() = 0;
  virtual std::vector<VolumeInfo> volumes() = 0;
  virtual std::vector<WakeHolder> wakeHolders() = 0;
  virtual std::vector<NetAddress> addresses() = 0;
  // Fixed when the reader is made; asked once, on the main thread.
  virtual ChipInfo chip() const { return {}; }
};

struct ProcessReading {
  std::vector<ProcInfo> procs;
  bool energyMeasured = false;
};

class ProcessSource {
 public:
  virtual ~ProcessSource() = default;
  virtual ProcessReading sample() = 0;  // "qel.sampler"
};

class TrafficSource {
 public:
  virtual ~TrafficSource() = default;
  // "qel.nettop"; none when the reader failed, an empty map when it found no traffic.
  virtual std::optional<std::map<std::int32_t, NetUse>> sample() = 0;
};

class PortSource {
 public:
  virtual ~PortSource() = default;
  virtual std::optional<std::vector<PortEntry>> sample() = 0;  // "qel.ports"; absent when unreadable
};

class BluetoothSource {
 public:
  virtual ~BluetoothSource() = default;
  virtual std::vector<BTDevice> sample() = 0;  // "qel.bluetooth"
};

// The application in front as the desktop tells it: a process, nothing (no window is active:
// the desktop was clicked or every window is minimised), or unknown (this desktop doesn't tell).
struct FrontApp {
  enum class Kind { unknown, nothing, process };
  Kind kind = Kind::unknown;
  std::int32_t pid = 0;  // with Kind::process

  static FrontApp nothing() { return {Kind::nothing, 0}; }
  static FrontApp process(std::int32_t pid) { return {Kind::process, pid}; }
  bool known() const { return kind != Kind::unknown; }
  bool is(std::int32_t p) const { return kind == Kind::process && pid == p; }
  std::optional<std::int32_t> processId() const {
    return kind == Kind::process ? std::optional(pid) : std::nullopt;
  }
  bool operator==(const FrontApp&) const = default;
};

// What only the desktop program knows: the application in front and the screens. The core
// asks through this; with none attached (tests, headless) the front app is unknown.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual FrontApp frontApp() const = 0;
  virtual int screenCount() const = 0;
  // The appearance setting changed: apply it to the application.
  virtual void applyAppearance(const std::string& appearance) = 0;
  // Redraw the application icon from the store's load (force: even when the level is the same).
  virtual void updateDockIcon(bool force) = 0;
};

}  // namespace qel
