#pragma once
// The process list with its search, sort and selection; the ports.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class ProcessState : public StorePart<Concern::processes> {
 public:
  using StorePart::StorePart;

  const std::vector<ProcInfo>& procs() const;
  std::optional<ProcInfo> proc(std::int32_t pid) const;
  std::vector<ProcInfo> visibleProcs() const;
  std::optional<ProcInfo> topProc() const;
  const std::string& query() const;
  SortKey sort() const;
  const std::set<std::int32_t>& selection() const;
  const std::vector<PortEntry>& ports() const;
  bool portsAvailable() const;
  bool portsRead() const;
  const GpuHolders& gpuHolders() const;
  const std::string& portQuery() const;
  bool netPerApp() const;
  AppRegistry* apps() const;
};

}  // namespace qel
