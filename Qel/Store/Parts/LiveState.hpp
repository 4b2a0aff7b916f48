#pragma once
// The machine as last sampled: readings, their sixty-second histories, the busy state.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct LiveReadings {
  CPUSample cpu;
  ChipInfo chip;  // the processor's model and core kinds (an unnamed chip without readers)
  MemSample mem;
  double netDown = 0;
  double netUp = 0;
  double diskRead = 0;
  double diskWrite = 0;
  std::uint64_t diskFree = 0;
  std::uint64_t diskTotal = 0;
  DiskDetail diskDetail;
  std::vector<VolumeInfo> volumes;
  BatterySample battery;
  double load = 0;
  ThermalState thermal = ThermalState::nominal;
  std::optional<GPUSample> gpu;
  std::optional<double> power;
  std::vector<WakeHolder> wake;
  std::vector<NetAddress> addresses;
  std::vector<BTDevice> bluetooth;
  // Sixty values each, oldest first.
  std::vector<double> cpuHist;
  std::vector<double> memHist;
  std::vector<double> netHist;
  std::vector<double> netUpHist;
  std::vector<double> diskHist;
  std::vector<double> diskReadHist;
  std::vector<double> diskWriteHist;
  std::vector<double> gpuHist;
  std::vector<double> powerHist;
  // The cores' loads and recent peaks in the order they are shown, with the group means; made
  // once per sample.
  CoreOrder cores;
  std::map<std::int32_t, std::vector<double>> energyByPid;
  std::map<std::int32_t, std::string> energyNames;
  std::map<std::int32_t, std::uint64_t> energyStarts;  // which process each series is of
  int tick = 0;
  bool menuBusy = false;
  // False while the system can't say who prevents sleep: an empty `wake` then means nothing.
  bool wakeReadable = true;
};

class LiveState : public StorePart<Concern::live> {
 public:
  explicit LiveState(const Store& store);

  const CPUSample& cpu() const { return state_.cpu; }
  const ChipInfo& chip() const { return state_.chip; }
  const MemSample& mem() const { return state_.mem; }
  double netDown() const { return state_.netDown; }
  double netUp() const { return state_.netUp; }
  double diskRead() const { return state_.diskRead; }
  double diskWrite() const { return state_.diskWrite; }
  std::uint64_t diskFree() const { return state_.diskFree; }
  std::uint64_t diskTotal() const { return state_.diskTotal; }
  const DiskDetail& diskDetail() const { return state_.diskDetail; }
  const std::vector<VolumeInfo>& volumes() const { return state_.volumes; }
  const BatterySample& battery() const { return state_.battery; }
  double load() const { return state_.load; }
  ThermalState thermal() const { return state_.thermal; }
  std::string thermalText() const;
  const std::optional<GPUSample>& gpu() const { return state_.gpu; }
  std::optional<double> power() const { return state_.power; }
  const std::vector<WakeHolder>& wake() const { return state_.wake; }
  const std::vector<NetAddress>& addresses() const { return state_.addresses; }
  const std::vector<BTDevice>& bluetooth() const { return state_.bluetooth; }
  double procWatts() const;
  const std::vector<double>& cpuHist() const { return state_.cpuHist; }
  const std::vector<double>& memHist() const { return state_.memHist; }
  const std::vector<double>& netHist() const { return state_.netHist; }
  const std::vector<double>& netUpHist() const { return state_.netUpHist; }
  const std::vector<double>& diskHist() const { return state_.diskHist; }
  const std::vector<double>& diskReadHist() const { return state_.diskReadHist; }
  const std::vector<double>& diskWriteHist() const { return state_.diskWriteHist; }
  const std::vector<double>& gpuHist() const { return state_.gpuHist; }
  const std::vector<double>& powerHist() const { return state_.powerHist; }
  const CoreOrder& cores() const { return state_.cores; }
  const std::map<std::int32_t, std::vector<double>>& energyByPid() const { return state_.energyByPid; }
  const std::map<std::int32_t, std::string>& energyNames() const { return state_.energyNames; }
  int tick() const { return state_.tick; }
  bool menuBusy() const { return state_.menuBusy; }
  std::optional<double> busierThanUsual() const;
  // False while the system can't say who prevents sleep: an empty wake() then means nothing.
  bool wakeReadable() const { return state_.wakeReadable; }

 private:
  const LiveReadings& state_;
};

}  // namespace qel
