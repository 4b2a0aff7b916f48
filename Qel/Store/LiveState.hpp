#pragma once
// The machine as last sampled: readings, their sixty-second histories, the busy state.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class LiveState : public StorePart<Concern::live> {
 public:
  using StorePart::StorePart;

  const CPUSample& cpu() const { return store_.cpu(); }
  const ChipInfo& chip() const { return store_.chip(); }
  const MemSample& mem() const { return store_.mem(); }
  double netDown() const { return store_.netDown(); }
  double netUp() const { return store_.netUp(); }
  double diskRead() const { return store_.diskRead(); }
  double diskWrite() const { return store_.diskWrite(); }
  std::uint64_t diskFree() const { return store_.diskFree(); }
  std::uint64_t diskTotal() const { return store_.diskTotal(); }
  const DiskDetail& diskDetail() const { return store_.diskDetail(); }
  const std::vector<VolumeInfo>& volumes() const { return store_.volumes(); }
  const BatterySample& battery() const { return store_.battery(); }
  double load() const { return store_.load(); }
  ThermalState thermal() const { return store_.thermal(); }
  std::string thermalText() const { return store_.thermalText(); }
  const std::optional<GPUSample>& gpu() const { return store_.gpu(); }
  std::optional<double> power() const { return store_.power(); }
  bool energyMeasured() const { return store_.energyMeasured(); }
  const std::vector<WakeHolder>& wake() const { return store_.wake(); }
  const std::vector<NetAddress>& addresses() const { return store_.addresses(); }
  const std::vector<BTDevice>& bluetooth() const { return store_.bluetooth(); }
  double procWatts() const { return store_.procWatts(); }
  const std::vector<double>& cpuHist() const { return store_.cpuHist(); }
  const std::vector<double>& memHist() const { return store_.memHist(); }
  const std::vector<double>& netHist() const { return store_.netHist(); }
  const std::vector<double>& netUpHist() const { return store_.netUpHist(); }
  const std::vector<double>& diskHist() const { return store_.diskHist(); }
  const std::vector<double>& diskReadHist() const { return store_.diskReadHist(); }
  const std::vector<double>& diskWriteHist() const { return store_.diskWriteHist(); }
  const std::vector<double>& gpuHist() const { return store_.gpuHist(); }
  const std::vector<double>& powerHist() const { return store_.powerHist(); }
  const CoreOrder& cores() const { return store_.cores(); }
  const std::map<std::int32_t, std::vector<double>>& energyByPid() const { return store_.energyByPid(); }
  const std::map<std::int32_t, std::string>& energyNames() const { return store_.energyNames(); }
  int tick() const { return store_.tick(); }
  bool menuBusy() const { return store_.menuBusy(); }
  std::optional<double> busierThanUsual() const { return store_.busierThanUsual(); }
};

}  // namespace qel
