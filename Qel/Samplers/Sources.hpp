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
  // Absent when they can't be read (logind does not answer): not the same as none.
  virtual std::optional<std::vector<WakeHolder>> wakeHolders() = 0;
  virtual std::vector<NetAddress> addresses() = 0;
  // Fixed when the reader is made; asked once, on the main thread.
  virtual ChipInfo chip() const { return {}; }
};

class ProcessSource {
 public:
  virtual ~ProcessSource() = default;
  virtual std::vector<ProcInfo> sample() = 0;  // "qel.sampler"
};

class TrafficSource {
 public:
  virtual ~TrafficSource() = default;
  // "qel.sampler"; none when the reader failed, an empty map when it found no traffic.
  virtual std::optional<std::map<std::int32_t, NetUse>> sample() = 0;
};

class PortSource {
 public:
  virtual ~PortSource() = default;
  virtual std::optional<std::vector<PortEntry>> sample() = 0;  // "qel.readers"; absent when unreadable
};

class BluetoothSource {
 public:
  virtual ~BluetoothSource() = default;
  virtual std::vector<BTDevice> sample() = 0;  // "qel.readers"
};

}  // namespace qel
