#include "Qel/Store/MachineSources.hpp"

#include <unistd.h>

#include "Qel/History/SleepLogReader.hpp"
#include "Qel/Platform/Proc/ProcPidFd.hpp"
#include "Qel/Samplers/BluetoothSampler.hpp"
#include "Qel/Samplers/NetTopSampler.hpp"
#include "Qel/Samplers/PortSampler.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"
#include "Qel/Samplers/SystemSampler.hpp"

namespace qel {

namespace {

class MachineProcesses final : public ProcessSource {
 public:
  explicit MachineProcesses(AppRegistry* apps) : s_(ProcessSampler::Options{.apps = apps}) {}
  std::vector<ProcInfo> sample() override { return s_.sample().procs; }

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
  // Root sees every process's sockets, and may see sockets whose owner it can't.
  PortSampler s_ = ::geteuid() == 0 ? PortSampler::everySocket() : PortSampler();
};

class MachineBluetooth final : public BluetoothSource {
 public:
  std::vector<BTDevice> sample() override { return BluetoothSampler::sample(); }
};

}  // namespace

void useMachineSources(StoreServices& services, AppRegistry* apps) {
  services.apps = apps;
  services.system = std::make_unique<SystemSampler>();
  services.processes = std::make_unique<MachineProcesses>(apps);
  services.traffic = std::make_unique<MachineTraffic>();
  services.ports = std::make_unique<MachinePorts>();
  services.bluetooth = std::make_unique<MachineBluetooth>();
  services.apps = apps;
  services.holdsGpu = [](std::int32_t pid) { return holdsGpuDevice(SysRoot{}, pid); };
  services.sleepLog = [] { return SleepLogReader::read(); };
  services.watchSleep = true;
}

}  // namespace qel
