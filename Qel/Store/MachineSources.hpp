#pragma once
// The store's readers on this machine: the real samplers behind the store's source interfaces.
#include <memory>

#include "Qel/Platform/AppRegistry.hpp"
#include "Qel/Platform/SysRoot.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

class SystemSampler;

// The system's figures as a SystemSampler reads them below `root`: this machine's own by default.
class SamplerSystem : public SystemSource {
 public:
  explicit SamplerSystem(SysRoot root = {});
  ~SamplerSystem() override;

  std::optional<CPUSample> cpu() override;
  MemSample memory() override;
  NetRate network() override;
  DiskRate disk() override;
  double load() override;
  std::optional<GPUSample> gpu() override;
  ThermalState thermal() override;
  BatterySample battery() override;
  std::optional<double> systemPower() override;
  DiskDetail diskDetail() override;
  std::vector<VolumeInfo> volumes() override;
  std::vector<WakeHolder> wakeHolders() override;
  std::vector<NetAddress> addresses() override;
  ChipInfo chip() const override;

 private:
  std::unique_ptr<SystemSampler> s_;
};

// Fills the readers of `services` with the machine's own; `apps` (may be null) names the
// applications processes belong to (and the store's app names) and must outlive the store.
void useMachineSources(StoreServices& services, AppRegistry* apps);

}  // namespace qel
