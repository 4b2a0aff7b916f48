#include "Qel/Platform/Devices/AmdGpu.hpp"

#include <algorithm>
#include <system_error>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
// "card0", "card1", not the connectors ("card0-DP-1").
bool isCardName(const std::string& name) {
  return name.size() > 4 && name.starts_with("card") &&
         std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

AmdGpuReader::AmdGpuReader(const SysRoot& root) {
  std::error_code ec;
  std::vector<std::filesystem::path> devices;
  for (std::filesystem::directory_iterator it(root.sys("class/drm"), ec), end; !ec && it != end; it.increment(ec)) {
    if (isCardName(it->path().filename().string())) devices.push_back(it->path() / "device");
  }
  std::sort(devices.begin(), devices.end());
  for (const auto& dev : devices) {
    KeptFile busy(dev / "gpu_busy_percent");
    if (!busy.isOpen()) continue;
    cards_.push_back({std::move(busy), KeptFile(dev / "mem_info_vram_used"), KeptFile(dev / "mem_info_gtt_used"),
                      KeptFile(dev / "power/runtime_status")});
  }
}

std::vector<GpuReading> AmdGpuReader::read() {
  std::vector<GpuReading> out;
  for (const auto& card : cards_) {
    if (card.runtimeStatus.read(buffer_, 64) && trim(buffer_) == "suspended") {
      out.push_back({});
      continue;
    }
    if (!card.busy.read(buffer_, 64)) continue;
    const auto busy = parseU64(buffer_);
    if (!busy) continue;
    std::uint64_t memory = 0;
    for (const auto* f : {&card.vram, &card.gtt}) {
      if (!f->read(buffer_, 64)) continue;
      if (const auto bytes = parseU64(buffer_)) memory = saturatingAdd(memory, *bytes);
    }
    out.push_back({.busyPercent = double(*busy), .memoryBytes = memory});
  }
  return out;
}

}  // namespace qel
