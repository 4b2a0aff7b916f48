#pragma once
// AMD graphics processors through the amdgpu driver's sysfs files
// (/sys/class/drm/cardN/device/gpu_busy_percent, mem_info_vram_used, mem_info_gtt_used), kept
// open. A card the kernel has put to sleep (runtime_status "suspended") is reported idle without
// reading its counters: reading them would wake it, and a monitor must not keep a laptop's
// discrete GPU awake.
#include <string>
#include <vector>

#include "Qel/Platform/Devices/GpuReading.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

class AmdGpuReader {
 public:
  explicit AmdGpuReader(const SysRoot& root);
  bool empty() const { return cards_.empty(); }
  // One reading per card whose utilisation can be read, in card order.
  std::vector<GpuReading> read();

 private:
  struct Card {
    KeptFile busy, vram, gtt, runtimeStatus;
  };
  std::vector<Card> cards_;
  std::string buffer_;
};

}  // namespace qel
