#pragma once
// The reader of whole-machine figures. The store makes one and calls it from its sampler queue
// only: the fast readers (cpu, memory, network, disk, load, gpu, thermal) every tick, the slow
// ones every tenth. It keeps the previous counters to turn them into rates, the files it re-reads
// every tick open, and three constants read at creation (core counts and chip model).
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Bus/Logind.hpp"
#include "Qel/Platform/Devices/BlockDevice.hpp"
#include "Qel/Platform/Devices/CpuTopology.hpp"
#include "Qel/Platform/Devices/GpuReading.hpp"
#include "Qel/Platform/Devices/Thermal.hpp"
#include "Qel/Platform/Proc/MemInfo.hpp"
#include "Qel/Platform/Proc/MountInfo.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Samplers/Sources.hpp"

namespace qel {

class SystemSampler : public SystemSource {
 public:
  explicit SystemSampler(SysRoot root = {}, const Clock& clock = SystemClock::shared());
  ~SystemSampler() override;
  SystemSampler(const SystemSampler&) = delete;
  SystemSampler& operator=(const SystemSampler&) = delete;

  int performanceCores() const { return performanceCores_; }  // all logical processors unless hybrid
  int efficiencyCores() const { return efficiencyCores_; }    // 0 unless hybrid
  const std::optional<std::string>& chipModel() const { return chipModel_; }  // as the system names it
  // The efficiency cores by processor number; empty unless hybrid.
  const std::vector<unsigned>& efficiencyCpus() const { return efficiencyCpus_; }
  ChipInfo chip() const override { return {chipModel_, efficiencyCores_, efficiencyCpus_}; }

  // Load since the previous call; absent on the first call, when the processors changed, and
  // when the counters can't be read (the previous ones are kept).
  std::optional<CPUSample> cpu() override;
  MemSample memory() override;  // unreadable figures are 0
  NetRate network() override;   // physical interfaces, since the previous call
  DiskRate disk() override;     // whole physical disks, since the previous call
  double load() override;       // one-minute load average, 0 when unreadable
  ThermalState thermal() override;  // nominal where the machine has no thermal zones
  bool hasThermalZones() const;

  BatterySample battery() override;
  std::optional<double> systemPower() override;  // watts
  std::optional<GPUSample> gpu() override;       // absent when no graphics processor reports figures

  DiskDetail diskDetail() override;  // the filesystem holding "/"
  std::vector<VolumeInfo> volumes() override;
  std::optional<std::vector<WakeHolder>> wakeHolders() override;  // by pid; absent when logind can't be asked
  std::vector<NetAddress> addresses() override;    // IPv4 of the physical interfaces

 private:
  struct Readers;
  SysRoot root_;
  const Clock& clock_;
  std::unique_ptr<Readers> readers_;
  Bus systemBus_;  // kept between slow ticks; reopened after a failed call
  int performanceCores_ = 1;
  int efficiencyCores_ = 0;
  std::optional<std::string> chipModel_;
  std::vector<unsigned> efficiencyCpus_;
};

// The pieces of the readers above that decide, apart from where the facts come from.

// The hybrid split when it adds up to the logical count, else every processor as a
// performance core.
struct CoreSplit {
  int performance{}, efficiency{};
  bool operator==(const CoreSplit&) const = default;
};
CoreSplit coreSplit(const CpuTopology& topology);

MemSample memSampleFrom(const MemInfo& info, std::uint64_t zramBytes);

// The worst state any zone is in against its trip points: at or above an active trip fair, a
// passive trip serious, a hot or critical trip critical; nominal with no zones.
ThermalState thermalStateOf(const std::vector<ThermalZone>& zones);

// The busiest graphics processor (the first on a tie), its utilisation clamped to 0…1.
std::optional<GPUSample> gpuFrom(const std::vector<GpuReading>& readings);

struct VolumeProbe {
  std::function<std::optional<FsSpace>(const MountEntry&)> space;
  std::function<std::optional<std::string>(const MountEntry&)> label;
  std::function<bool(const MountEntry&)> isInternal;
};
// One volume per device-backed filesystem (the first mount of each device), in table order;
// a filesystem whose space can't be read or that reports no capacity is left out.
std::vector<VolumeInfo> volumesFrom(const std::vector<MountEntry>& mounts, const VolumeProbe& probe);

// One holder per process with a blocking sleep or idle lock, sorted by pid; its name and reason
// come from the first such lock that has them. Delay locks and locks on other things (shutdown,
// power keys) hold nothing awake.
std::vector<WakeHolder> wakeHoldersFrom(const std::vector<Inhibitor>& inhibitors);

}  // namespace qel
