#pragma once
// NVIDIA graphics processors through NVML, loaded with dlopen on first use so the program
// neither links against nor needs the driver's library. Only machines whose PCI bus shows an
// NVIDIA display controller try to load it. While every such device is asleep (runtime_status
// "suspended") they are reported idle without asking NVML, which would wake them.
#include <string>
#include <vector>

#include "Qel/Platform/Devices/GpuReading.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

class NvidiaGpus {
 public:
  explicit NvidiaGpus(const SysRoot& root);
  bool empty() const { return devices_.empty(); }
  // One reading per device NVML reports; empty when NVML can't be loaded or started.
  std::vector<GpuReading> read();

 private:
  std::vector<KeptFile> devices_;  // each device's power/runtime_status
  std::string buffer_;
};

}  // namespace qel
