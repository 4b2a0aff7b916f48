#pragma once
// The machine as last sampled: readings, their sixty-second histories, the busy state.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class LiveState : public StorePart<Concern::live> {
 public:
  using StorePart::StorePart;

  const CPUSample& cpu() const;
  const ChipInfo& chip() const;
  const MemSample& mem() const;
  double netDown() const;
  double netUp() const;
  double diskRead() const;
  double diskWrite() const;
  std::uint64_t diskFree() const;
  std::uint64_t diskTotal() const;
  const DiskDetail& diskDetail() const;
  const std::vector<VolumeInfo>& volumes() const;
  const BatterySample& battery() const;
  double load() const;
  ThermalState thermal() const;
  std::string thermalText() const;
  const std::optional<GPUSample>& gpu() const;
  std::optional<double> power() const;
  const std::vector<WakeHolder>& wake() const;
  const std::vector<NetAddress>& addresses() const;
  const std::vector<BTDevice>& bluetooth() const;
  double procWatts() const;
  const std::vector<double>& cpuHist() const;
  const std::vector<double>& memHist() const;
  const std::vector<double>& netHist() const;
  const std::vector<double>& netUpHist() const;
  const std::vector<double>& diskHist() const;
  const std::vector<double>& diskReadHist() const;
  const std::vector<double>& diskWriteHist() const;
  const std::vector<double>& gpuHist() const;
  const std::vector<double>& powerHist() const;
  const CoreOrder& cores() const;
  const std::map<std::int32_t, std::vector<double>>& energyByPid() const;
  const std::map<std::int32_t, std::string>& energyNames() const;
  int tick() const;
  bool menuBusy() const;
  std::optional<double> busierThanUsual() const;
  // False while the system can't say who prevents sleep: an empty wake() then means nothing.
  bool wakeReadable() const;
};

}  // namespace qel
