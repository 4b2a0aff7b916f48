#pragma once
// Watches the per-second samples for a process that keeps a core busy in the background and
// for a large process whose memory keeps growing, keeps the newest sixty seconds for the
// replay, and holds the usual load of every ten-minute slot. Main thread only.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Qel/History/BaselineSlot.hpp"
#include "Qel/History/Finding.hpp"
#include "Qel/History/Frame.hpp"
#include "Qel/History/Incident.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

class InsightEngine {
 public:
  static constexpr std::size_t kFrames = 60;
  static constexpr int kBusyTicks = 180;        // three minutes
  static constexpr double kBusyCPU = 50.0;      // half a core
  static constexpr int kMemoryEvery = 60;       // ticks between memory samples
  static constexpr std::size_t kMemorySamples = 60;
  static constexpr std::uint64_t kTrackedMemory = 200ull << 20;
  static constexpr std::uint64_t kLeakGrowth = 500ull << 20;

  // `ownPID`: this program, never taken for a busy background process.
  explicit InsightEngine(std::int32_t ownPID);
  InsightEngine();

  // One tick: the machine's load, its processes and the pid of the front application. Returns
  // the findings raised now (each finding at most once per run).
  std::vector<Finding> ingest(Date now, double cpu, double pressure, double disk, const std::vector<ProcInfo>& procs,
                              std::optional<std::int32_t> frontPID);

  // The replay of the kept frames.
  Incident analyze(Date now) const;

  const std::vector<Frame>& frames() const { return frames_; }
  int tick() const { return tick_; }

  const std::vector<BaselineSlot>& baseline() const { return baseline_; }
  // Takes `slots` only when it has as many slots as the baseline held now (144).
  bool setBaseline(std::vector<BaselineSlot> slots);
  // The most days folded into any slot.
  int baselineDays() const;

 private:
  std::vector<Frame> frames_;
  std::vector<BaselineSlot> baseline_;
  std::map<std::int32_t, int> busySeconds_;
  std::map<std::int32_t, std::vector<std::uint64_t>> memTrack_;
  std::set<std::string> flagged_;
  int tick_ = 0;
  const std::int32_t ownPID_;
};

}  // namespace qel
