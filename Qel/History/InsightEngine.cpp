// The per-tick rules: busy in the background, and memory that keeps growing.
#include "Qel/History/InsightEngine.hpp"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {
namespace {

Finding raise(std::string key, const ProcInfo& p, Date now, FindingFacts facts) {
  facts.name = p.name;
  return {.id = std::move(key), .pid = p.pid, .startTime = p.startTime, .facts = std::move(facts), .date = now};
}

// A share of one core as a whole number; the rule lets only finite loads of half a core or more here.
int wholePercent(double cpu) { return int(std::min(std::llround(cpu), static_cast<long long>(INT_MAX))); }

}  // namespace

InsightEngine::InsightEngine(std::int32_t ownPID) : baseline_(kSlotsPerDay), ownPID_(ownPID) {}
InsightEngine::InsightEngine() : InsightEngine(std::int32_t(getpid())) {}

bool InsightEngine::setBaseline(std::vector<BaselineSlot> slots) {
  if (slots.size() != baseline_.size()) return false;
  baseline_ = std::move(slots);
  return true;
}

int InsightEngine::baselineDays() const {
  int most = 0;
  for (const auto& s : baseline_) most = std::max(most, s.days);
  return most;
}

std::vector<Finding> InsightEngine::ingest(Date now, double cpu, double pressure, double disk,
                                           const std::vector<ProcInfo>& procs, std::optional<std::int32_t> frontPID) {
  ++tick_;

  // The busiest six, without sorting the whole list: equal CPU keeps the sampled order.
  std::vector<const ProcInfo*> order;
  order.reserve(procs.size());
  for (const auto& p : procs) order.push_back(&p);
  const auto topCount = std::min<std::size_t>(6, order.size());
  std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(topCount), order.end(),
                    [](const ProcInfo* a, const ProcInfo* b) { return a->cpu > b->cpu || (a->cpu == b->cpu && a < b); });
  Frame frame{.date = now, .cpu = cpu, .pressure = pressure, .disk = disk, .top = {}};
  for (std::size_t i = 0; i < topCount; ++i)
    frame.top.push_back({.pid = order[i]->pid, .name = order[i]->name, .cpu = order[i]->cpu, .mem = order[i]->mem});
  frames_.push_back(std::move(frame));
  if (frames_.size() > kFrames) frames_.erase(frames_.begin(), frames_.end() - std::ptrdiff_t(kFrames));

  std::vector<Finding> busy, growing;

  std::map<std::int32_t, int> stillBusy;
  for (const auto& p : procs) {
    if (!(p.cpu >= kBusyCPU) || (frontPID && p.pid == *frontPID) || p.pid == ownPID_) continue;
    const auto before = busySeconds_.find(p.pid);
    const int n = (before == busySeconds_.end() ? 0 : before->second) + 1;
    stillBusy[p.pid] = n;
    const std::string key = "run-" + std::to_string(p.pid);
    if (n < kBusyTicks || !flagged_.insert(key).second) continue;
    busy.push_back(raise(key, p, now, {.isMemory = false, .cpu = wholePercent(p.cpu)}));
  }
  busySeconds_ = std::move(stillBusy);

  if (tick_ % kMemoryEvery == 0) {
    std::map<std::int32_t, std::vector<std::uint64_t>> tracked;
    for (const auto& p : procs) {
      if (p.mem < kTrackedMemory) continue;
      auto& samples = tracked[p.pid];
      if (auto it = memTrack_.find(p.pid); it != memTrack_.end()) samples = std::move(it->second);
      samples.push_back(p.mem);
      if (samples.size() > kMemorySamples)
        samples.erase(samples.begin(), samples.end() - std::ptrdiff_t(kMemorySamples));

      const std::size_t n = samples.size();
      const std::string key = "leak-" + std::to_string(p.pid);
      if (n < 20 || flagged_.count(key)) continue;
      const std::uint64_t first = samples.front(), last = samples.back();
      if (last <= first) continue;
      std::size_t rises = 0;
      for (std::size_t i = 1; i < n; ++i) rises += samples[i] >= samples[i - 1] ? 1 : 0;
      if (double(rises) < 0.9 * double(n - 1)) continue;
      if (last - first < kLeakGrowth || double(last) < 1.3 * double(first)) continue;
      flagged_.insert(key);
      // One sample a minute, at most sixty of them.
      growing.push_back(raise(key, p, now, {.isMemory = true, .minutes = int(n), .from = first, .to = last}));
    }
    memTrack_ = std::move(tracked);
  }

  busy.insert(busy.end(), std::make_move_iterator(growing.begin()), std::make_move_iterator(growing.end()));
  return busy;
}

}  // namespace qel
