#pragma once
// One tick's sample, built on the sampler queue and handed whole to the main thread.
#include <optional>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

struct Snapshot {
  int tick = 0;
  std::optional<CPUSample> cpu;
  MemSample mem;
  double netDown = 0, netUp = 0;
  double diskRead = 0, diskWrite = 0;
  double load = 0;
  std::optional<GPUSample> gpu;
  std::vector<ProcInfo> procs;
  // Read here rather than on the main thread: it comes from files.
  ThermalState thermal = ThermalState::nominal;
  bool slow = false;
  // Only on slow ticks; empty values otherwise.
  BatterySample battery;
  std::optional<double> power;
  DiskDetail diskDetail;
  std::vector<VolumeInfo> volumes;
  std::optional<std::vector<WakeHolder>> wake = std::vector<WakeHolder>{};  // absent when they can't be read
  std::vector<NetAddress> addresses;
};

// The tick is slow on ticks 1, 11, 21, ...
constexpr bool isSlowTick(int tick) { return tick % 10 == 1; }

}  // namespace qel
