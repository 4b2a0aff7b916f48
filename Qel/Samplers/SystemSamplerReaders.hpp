#pragma once
// The platform readers a SystemSampler keeps between calls (private to its source files).
#include <vector>

#include "Qel/Platform/Devices/AmdGpu.hpp"
#include "Qel/Platform/Devices/Nvml.hpp"
#include "Qel/Platform/Devices/Thermal.hpp"
#include "Qel/Platform/Net/NetDev.hpp"
#include "Qel/Platform/Proc/DiskStats.hpp"
#include "Qel/Platform/Proc/LoadAvg.hpp"
#include "Qel/Platform/Proc/MemInfo.hpp"
#include "Qel/Platform/Proc/ProcStat.hpp"
#include "Qel/Samplers/RateMeter.hpp"
#include "Qel/Samplers/SystemSampler.hpp"

namespace qel {

struct SystemSampler::Readers {
  explicit Readers(const SysRoot& root)
      : procStat(root), memInfo(root), netDev(root), diskStats(root), loadAvg(root), thermal(root), amdGpu(root),
        nvidia(root) {}

  ProcStat procStat;
  std::vector<CpuTicks> lastTicks;
  MemInfoReader memInfo;
  NetDevReader netDev;
  RateMeter netMeter;
  DiskStatsReader diskStats;
  RateMeter diskMeter;
  LoadAvgReader loadAvg;
  ThermalReader thermal;
  AmdGpuReader amdGpu;
  NvidiaGpus nvidia;
};

}  // namespace qel
