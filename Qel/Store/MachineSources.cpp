#include "Qel/Store/MachineSources.hpp"

#include "Qel/History/SleepLogReader.hpp"
#include "Qel/Samplers/BluetoothSampler.hpp"
#include "Qel/Samplers/NetTopSampler.hpp"
#include "Qel/Samplers/PortSampler.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"
#include "Qel/Samplers/SystemSampler.hpp"

namespace qel {

SamplerSystem::SamplerSystem(SysRoot root) : s_(std::make_unique<SystemSampler>(std::move(root))) {}
SamplerSystem::~SamplerSystem() = default;

std::optional<CPUSample> SamplerSystem::cpu() { return s_->cpu(); }
MemSample SamplerSystem::memory() { return s_->memory(); }
NetRate SamplerSystem::network() { return s_->network(); }
DiskRate SamplerSystem::disk() { return s_->disk(); }
double SamplerSystem::load() { return s_->load(); }
std::optional<GPUSample> SamplerSystem::gpu() { return s_->gpu(); }
ThermalState SamplerSystem::thermal() { return s_->thermal(); }
BatterySample SamplerSystem::battery() { return s_->battery(); }
std::optional<double> SamplerSystem::systemPower() { return s_->systemPower(); }
DiskDetail SamplerSystem::diskDetail() { return s_->diskDetail(); }
std::vector<VolumeInfo> SamplerSystem::volumes() { return s_->volumes(); }
std::vector<WakeHolder> SamplerSystem::wakeHolders() { return s_->wakeHolders(); }
std::vector<NetAddress> SamplerSystem::addresses() { return s_->addresses(); }
ChipInfo SamplerSystem::chip() const { return {s_->chipModel(), s_->efficiencyCores(), s_->efficiencyCpus()}; }

namespace {

class MachineProcesses final : public ProcessSource {
 public:
  explicit MachineProcesses(AppRegistry* apps) : s_(ProcessSampler::Options{.apps = apps}) {}
  ProcessReading sample() override {
    auto r = s_.sample();
    return {std::move(r.procs), r.energyMeasured};
  }

 private:
  ProcessSampler s_;
};

class MachineTraffic final : public TrafficSource {
 public:
  std::optional<std::map<std::int32_t, NetUse>> sample() override { return s_.sample(); }

 private:
  NetTopSampler s_;
};

class MachinePorts final : public PortSource {
 public:
  std::optional<std::vector<PortEntry>> sample() override { return s_.sample(); }

 private:
  PortSampler s_;
};

class MachineBluetooth final : public BluetoothSource {
 public:
  std::vector<BTDevice> sample() override { return BluetoothSampler::sample(); }
};

}  // namespace

void useMachineSources(StoreServices& services, AppRegistry* apps) {
  services.apps = apps;
  services.system = std::make_unique<SamplerSystem>();
  services.processes = std::make_unique<MachineProcesses>(apps);
  services.traffic = std::make_unique<MachineTraffic>();
  services.ports = std::make_unique<MachinePorts>();
  services.bluetooth = std::make_unique<MachineBluetooth>();
  services.apps = apps;
  services.sleepLog = [] { return SleepLogReader::read(); };
  services.watchSleep = true;
}

}  // namespace qel
