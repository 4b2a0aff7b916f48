#include "Qel/Platform/Devices/Nvml.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <system_error>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

// The few NVML entry points used, declared as the library exports them.
using nvmlReturn = int;
constexpr nvmlReturn kNvmlSuccess = 0;
struct nvmlDevice;
struct nvmlUtilization {
  unsigned int gpu, memory;
};
struct nvmlMemory {
  unsigned long long total, free, used;
};

class Nvml {
 public:
  static Nvml& shared() {
    static Nvml nvml;  // loaded once for the run; never unloaded
    return nvml;
  }

  std::vector<GpuReading> read() const {
    std::vector<GpuReading> out;
    for (const auto& d : devices_) {
      nvmlUtilization util{};
      if (utilization_(d.handle, &util) != kNvmlSuccess) continue;
      nvmlMemory mem{};
      const std::uint64_t used = memoryInfo_(d.handle, &mem) == kNvmlSuccess ? mem.used : 0;
      out.push_back({.busyPercent = double(util.gpu), .memoryBytes = used, .cores = d.cores});
    }
    return out;
  }

 private:
  struct Device {
    nvmlDevice* handle;
    std::optional<int> cores;
  };

  template <class F>
  F symbol(const char* name) {
    return reinterpret_cast<F>(::dlsym(library_, name));
  }

  Nvml() {
    library_ = ::dlopen("libnvidia-ml.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library_) return;
    const auto init = symbol<nvmlReturn (*)()>("nvmlInit_v2");
    const auto count = symbol<nvmlReturn (*)(unsigned*)>("nvmlDeviceGetCount_v2");
    const auto handle = symbol<nvmlReturn (*)(unsigned, nvmlDevice**)>("nvmlDeviceGetHandleByIndex_v2");
    const auto cores = symbol<nvmlReturn (*)(nvmlDevice*, unsigned*)>("nvmlDeviceGetNumGpuCores");
    utilization_ = symbol<decltype(utilization_)>("nvmlDeviceGetUtilizationRates");
    memoryInfo_ = symbol<decltype(memoryInfo_)>("nvmlDeviceGetMemoryInfo");
    if (!init || !count || !handle || !utilization_ || !memoryInfo_ || init() != kNvmlSuccess) return;
    unsigned n = 0;
    if (count(&n) != kNvmlSuccess) return;
    for (unsigned i = 0; i < std::min(n, 64u); ++i) {
      Device d{nullptr, std::nullopt};
      if (handle(i, &d.handle) != kNvmlSuccess) continue;
      unsigned c = 0;
      if (cores && cores(d.handle, &c) == kNvmlSuccess && c > 0 && c < 1000000) d.cores = int(c);
      devices_.push_back(d);
    }
  }

  void* library_ = nullptr;
  nvmlReturn (*utilization_)(nvmlDevice*, nvmlUtilization*) = nullptr;
  nvmlReturn (*memoryInfo_)(nvmlDevice*, nvmlMemory*) = nullptr;
  std::vector<Device> devices_;
};

}  // namespace

NvidiaGpus::NvidiaGpus(const SysRoot& root) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(root.sys("bus/pci/devices"), ec), end; !ec && it != end;
       it.increment(ec)) {
    const auto vendor = readText(it->path() / "vendor", 64);
    const auto cls = readText(it->path() / "class", 64);
    // Vendor 0x10de; class 0x03xxxx is a display controller (VGA or 3D).
    if (vendor && cls && trim(*vendor) == "0x10de" && trim(*cls).starts_with("0x03"))
      devices_.emplace_back(it->path() / "power/runtime_status");
  }
}

std::vector<GpuReading> NvidiaGpus::read() {
  if (devices_.empty()) return {};
  const bool allAsleep = std::all_of(devices_.begin(), devices_.end(), [this](const KeptFile& f) {
    return f.read(buffer_, 64) && trim(buffer_) == "suspended";
  });
  if (allAsleep) return std::vector<GpuReading>(devices_.size());
  return Nvml::shared().read();
}

}  // namespace qel
