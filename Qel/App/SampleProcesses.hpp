#pragma once
// The process and per-app traffic sections of `qel --sample`. Each takes its first reading when
// made and prints once a second has passed since the report's first reading of all, so the
// report waits once.
#include <chrono>
#include <memory>
#include <ostream>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

class AppRegistry;
class AppTable;
class ProcessSampler;
class NetTopSampler;

// The busiest processes by CPU over one second, with their applications.
class ProcessSection {
 public:
  explicit ProcessSection(std::chrono::steady_clock::time_point first);
  ~ProcessSection();
  void print(std::ostream& out);
  // The processes of the second reading, once printed, and their applications.
  const std::vector<ProcInfo>& procs() const { return procs_; }
  std::shared_ptr<const AppTable> appTable() const;

 private:
  std::unique_ptr<AppRegistry> apps_;
  std::vector<ProcInfo> procs_;
  std::unique_ptr<ProcessSampler> sampler_;
  std::chrono::steady_clock::time_point first_;
};

// TCP traffic per application over one second, put to the processes of a printed section.
class TrafficSection {
 public:
  explicit TrafficSection(std::chrono::steady_clock::time_point first);
  ~TrafficSection();
  void print(std::ostream& out, const ProcessSection& processes);

 private:
  std::unique_ptr<NetTopSampler> net_;
  std::chrono::steady_clock::time_point first_;
};

}  // namespace qel
