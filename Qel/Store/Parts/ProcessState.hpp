#pragma once
// The process list with its search, sort and selection; the ports.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct ProcessList {
  std::vector<ProcInfo> procs;
  std::string query;
  SortKey sort = SortKey::cpu;
  std::set<std::int32_t> selection;
  std::vector<PortEntry> ports;
  bool portsAvailable = true;
  // Whether a read of the ports has ended yet; until then the empty list means nothing.
  bool portsRead = false;
  // The last answers about who holds the graphics device, for the candidates of that scan.
  GpuHolders gpuHolders;
  std::string portQuery;
  bool netPerApp = false;
  AppRegistry* apps = nullptr;
};

class ProcessState : public StorePart<Concern::processes> {
 public:
  explicit ProcessState(const Store& store);

  const std::vector<ProcInfo>& procs() const { return state_.procs; }
  std::optional<ProcInfo> proc(std::int32_t pid) const;
  std::vector<ProcInfo> visibleProcs() const;
  std::optional<ProcInfo> topProc() const;
  const std::string& query() const { return state_.query; }
  SortKey sort() const { return state_.sort; }
  const std::set<std::int32_t>& selection() const { return state_.selection; }
  const std::vector<PortEntry>& ports() const { return state_.ports; }
  bool portsAvailable() const { return state_.portsAvailable; }
  bool portsRead() const { return state_.portsRead; }
  const GpuHolders& gpuHolders() const { return state_.gpuHolders; }
  const std::string& portQuery() const { return state_.portQuery; }
  bool netPerApp() const { return state_.netPerApp; }
  AppRegistry* apps() const { return state_.apps; }

 private:
  const ProcessList& state_;
};

}  // namespace qel
