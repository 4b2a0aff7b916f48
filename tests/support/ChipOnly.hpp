#pragma once
// A machine whose only fact is its processor; nothing is ever sampled from it.
#include "Qel/Samplers/Sources.hpp"

namespace qel::test {

class ChipOnly final : public SystemSource {
 public:
  explicit ChipOnly(ChipInfo chip) : chip_(std::move(chip)) {}
  std::optional<CPUSample> cpu() override { return std::nullopt; }
  MemSample memory() override { return {}; }
  NetRate network() override { return {}; }
  DiskRate disk() override { return {}; }
  double load() override { return 0; }
  std::optional<GPUSample> gpu() override { return std::nullopt; }
  ThermalState thermal() override { return ThermalState::nominal; }
  BatterySample battery() override { return {}; }
  std::optional<double> systemPower() override { return std::nullopt; }
  DiskDetail diskDetail() override { return {}; }
  std::vector<VolumeInfo> volumes() override { return {}; }
  std::optional<std::vector<WakeHolder>> wakeHolders() override { return std::vector<WakeHolder>{}; }
  std::vector<NetAddress> addresses() override { return {}; }
  ChipInfo chip() const override { return chip_; }

 private:
  ChipInfo chip_;
};

}  // namespace qel::test
