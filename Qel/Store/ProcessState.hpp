#pragma once
// The process list with its search, sort and selection; the ports.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class ProcessState : public StorePart<Concern::processes> {
 public:
  using StorePart::StorePart;

  const std::vector<ProcInfo>& procs() const { return store_.procs(); }
  std::optional<ProcInfo> proc(std::int32_t pid) const { return store_.proc(pid); }
  std::vector<ProcInfo> visibleProcs() const { return store_.visibleProcs(); }
  std::optional<ProcInfo> topProc() const { return store_.topProc(); }
  const std::string& query() const { return store_.query(); }
  SortKey sort() const { return store_.sort(); }
  const std::set<std::int32_t>& selection() const { return store_.selection(); }
  const std::vector<PortEntry>& ports() const { return store_.ports(); }
  bool portsAvailable() const { return store_.portsAvailable(); }
  bool portsRead() const { return store_.portsRead(); }
  const GpuHolders& gpuHolders() const { return store_.gpuHolders(); }
  const std::string& portQuery() const { return store_.portQuery(); }
  bool netPerApp() const { return store_.netPerApp(); }
  AppRegistry* apps() const { return store_.apps(); }
};

}  // namespace qel
