#include "Qel/Samplers/SystemSampler.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Platform/Proc/ProcText.hpp"
#include "Qel/Samplers/CpuLoad.hpp"
#include "Qel/Samplers/SystemSamplerReaders.hpp"

namespace qel {

SystemSampler::SystemSampler(SysRoot root, const Clock& clock)
    : root_(std::move(root)), clock_(clock), readers_(std::make_unique<Readers>(root_)) {
  const auto topology = readCpuTopology(root_);
  const auto split = coreSplit(topology);
  performanceCores_ = split.performance;
  efficiencyCores_ = split.efficiency;
  chipModel_ = topology.modelName;
  if (efficiencyCores_ > 0 && topology.efficiencyCpus.size() == std::size_t(efficiencyCores_))
    efficiencyCpus_ = topology.efficiencyCpus;
}

SystemSampler::~SystemSampler() = default;

std::optional<CPUSample> SystemSampler::cpu() {
  auto ticks = readers_->procStat.read();
  if (!ticks) return std::nullopt;
  auto sample = cpuLoad(readers_->lastTicks, *ticks);
  readers_->lastTicks = std::move(*ticks);
  return sample;
}

MemSample SystemSampler::memory() {
  const auto info = readers_->memInfo.read();
  return memSampleFrom(info.value_or(MemInfo{}), readers_->memInfo.zramBytes());
}

NetRate SystemSampler::network() {
  const auto r = readers_->netMeter.update(readers_->netDev.read(), clock_.monotonic());
  return {r.first, r.second};
}

DiskRate SystemSampler::disk() {
  const auto r = readers_->diskMeter.update(readers_->diskStats.read(), clock_.monotonic());
  return {r.first * double(kDiskStatsSectorBytes), r.second * double(kDiskStatsSectorBytes)};
}

double SystemSampler::load() { return readers_->loadAvg.read().value_or(0.0); }

ThermalState SystemSampler::thermal() { return thermalStateOf(readers_->thermal.read()); }

bool SystemSampler::hasThermalZones() const { return !readers_->thermal.empty(); }

std::optional<GPUSample> SystemSampler::gpu() {
  auto readings = readers_->amdGpu.read();
  auto nvidia = readers_->nvidia.read();
  readings.insert(readings.end(), nvidia.begin(), nvidia.end());
  return gpuFrom(readings);
}

CoreSplit coreSplit(const CpuTopology& t) {
  const int logical = t.online ? int(*t.online) : 1;
  if (t.performance && t.efficiency && std::uint64_t(*t.performance) + *t.efficiency == std::uint64_t(logical))
    return {int(*t.performance), int(*t.efficiency)};
  return {logical, 0};
}

MemSample memSampleFrom(const MemInfo& m, std::uint64_t zramBytes) {
  MemSample s;
  s.total = m.memTotal;
  s.app = m.anonPages;
  s.wired = saturatingAdd(saturatingAdd(m.unevictable, m.sUnreclaim), saturatingAdd(m.kernelStack, m.pageTables));
  s.compressed = saturatingAdd(m.zswap, zramBytes);
  if (m.hasAvailable && m.memTotal > 0)
    s.pressure = std::clamp(100.0 - 100.0 * double(m.memAvailable) / double(m.memTotal), 0.0, 100.0);
  s.swapUsed = saturatingSub(m.swapTotal, m.swapFree);
  return s;
}

ThermalState thermalStateOf(const std::vector<ThermalZone>& zones) {
  auto worst = ThermalState::nominal;
  for (const auto& zone : zones) {
    for (const auto& trip : zone.trips) {
      // Firmware marks unused trips with 0 or a negative temperature.
      if (trip.temp <= 0 || zone.temp < trip.temp) continue;
      auto state = ThermalState::nominal;
      switch (trip.type) {
        case TripType::active: state = ThermalState::fair; break;
        case TripType::passive: state = ThermalState::serious; break;
        case TripType::hot:
        case TripType::critical: state = ThermalState::critical; break;
        case TripType::other: break;
      }
      worst = std::max(worst, state);
    }
  }
  return worst;
}

std::optional<GPUSample> gpuFrom(const std::vector<GpuReading>& readings) {
  std::optional<GPUSample> best;
  for (const auto& r : readings) {
    const double util = std::isfinite(r.busyPercent) ? std::clamp(r.busyPercent / 100.0, 0.0, 1.0) : 0.0;
    if (best && util <= best->util) continue;
    best = GPUSample{.util = util, .memory = r.memoryBytes, .cores = r.cores};
  }
  return best;
}

}  // namespace qel
