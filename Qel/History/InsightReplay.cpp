// The sixty-second replay: what the kept frames say about the last minute.
#include <algorithm>
#include <cstdio>
#include <random>

#include "Qel/History/InsightEngine.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr double kHeavyDisk = 104857600.0;  // 100 MiB per second

std::string newUuid() {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  std::uint64_t hi = random(), lo = random();
  hi = (hi & ~0xF000ull) | 0x4000ull;                  // version 4
  lo = (lo & ~(0xC000ull << 48)) | (0x8000ull << 48);  // variant 1
  char buf[40];
  std::snprintf(buf, sizeof buf, "%08llx-%04llx-%04llx-%04llx-%012llx", (unsigned long long)(hi >> 32),
                (unsigned long long)((hi >> 16) & 0xFFFF), (unsigned long long)(hi & 0xFFFF),
                (unsigned long long)(lo >> 48), (unsigned long long)(lo & 0xFFFFFFFFFFFFull));
  return buf;
}

std::string ago(long seconds) {
  if (seconds < 1) return L("just now");
  return L("%@ s ago", {std::to_string(seconds)});
}

struct Total {
  std::string name;
  double sum = 0;
  double peak = 0;
  std::size_t peakIndex = 0;
};

// The minute's CPU peak (the earliest of equal peaks), its average and the memory and disk
// highs.
struct Extremes {
  std::size_t peakFrame = 0;
  double peak = 0, average = 0, maxPressure = 0, maxDisk = 0;
  long peakAgo = 0;  // seconds
};

Extremes extremesOf(const std::vector<Frame>& frames) {
  const std::size_t n = frames.size();
  std::size_t p = 0;
  double sumCPU = 0, maxPressure = frames[0].pressure, maxDisk = frames[0].disk;
  for (std::size_t i = 0; i < n; ++i) {
    const Frame& f = frames[i];
    if (f.cpu > frames[p].cpu) p = i;
    sumCPU += f.cpu;
    maxPressure = std::max(maxPressure, f.pressure);
    maxDisk = std::max(maxDisk, f.disk);
  }
  return {.peakFrame = p,
          .peak = frames[p].cpu,
          .average = sumCPU / double(n),
          .maxPressure = maxPressure,
          .maxDisk = maxDisk,
          .peakAgo = long(n - 1 - p)};
}

// The processes that reached 5 % of a core, at most four, highest peak first.
std::vector<Culprit> culpritsOf(const std::vector<Frame>& frames, std::size_t peakFrame) {
  const std::size_t n = frames.size();
  // Totals in the order the processes first appear.
  std::vector<std::int32_t> seen;
  std::map<std::int32_t, Total> totals;
  for (std::size_t i = 0; i < n; ++i) {
    for (const auto& e : frames[i].top) {
      auto [it, fresh] = totals.try_emplace(e.pid, Total{.name = e.name, .sum = 0, .peak = 0, .peakIndex = i});
      if (fresh) seen.push_back(e.pid);
      Total& t = it->second;
      t.sum += e.cpu;
      if (e.cpu > t.peak) {
        t.peak = e.cpu;
        t.peakIndex = i;
      }
    }
  }
  std::vector<Culprit> culprits;
  for (const auto pid : seen) {
    const Total& t = totals[pid];
    if (!(t.peak >= 5.0)) continue;
    culprits.push_back({.pid = pid,
                        .name = t.name,
                        .average = t.sum / double(n),
                        .peak = t.peak,
                        .peakSecondsAgo = int(n - 1 - t.peakIndex)});
  }
  std::stable_sort(culprits.begin(), culprits.end(),
                   [](const Culprit& a, const Culprit& b) { return a.peak > b.peak; });
  if (culprits.size() > 4) {
    // The headline names the peak frame's busiest process: the list must show it too. Cut from
    // the four by processes with higher peaks, it takes the last place, still highest peak first.
    const auto named = frames[peakFrame].top.empty() ? nullptr : &frames[peakFrame].top.front();
    const auto it = named ? std::find_if(culprits.begin() + 4, culprits.end(),
                                         [&](const Culprit& c) { return c.pid == named->pid; })
                          : culprits.end();
    if (it != culprits.end()) culprits[3] = *it;
    culprits.resize(4);
  }
  return culprits;
}

}  // namespace

Incident InsightEngine::analyze(Date now) const {
  Incident incident{.id = newUuid(), .date = now, .frames = frames_, .headline = {}, .lines = {}, .culprits = {}};
  const std::size_t n = frames_.size();
  if (n < 5) {
    incident.headline = L("Not enough history yet");
    incident.lines = {L("Qel just started. In a few seconds it can replay what happened.")};
    return incident;
  }
  const Extremes x = extremesOf(frames_);
  incident.culprits = culpritsOf(frames_, x.peakFrame);
  const Culprit* first = incident.culprits.empty() ? nullptr : &incident.culprits.front();
  const std::vector<FrameProc>& peakTop = frames_[x.peakFrame].top;

  const bool busy = x.peak >= 0.7, tight = x.maxPressure >= 60.0, heavyDisk = x.maxDisk >= kHeavyDisk;
  if (busy && !peakTop.empty())
    incident.headline = L("%@ pushed the CPU to %@ %@", {peakTop.front().name, fmtPercent(x.peak), ago(x.peakAgo)});
  else if (tight)
    incident.headline = L("Memory is tight and the system is compressing it");
  else if (heavyDisk)
    incident.headline = L("The disk is reading and writing heavily");
  else if (first && first->peak >= 80.0)
    incident.headline = L("%@ briefly maxed out one core", {first->name});
  else
    incident.headline = L("Nothing unusual in the last %@ s", {std::to_string(n)});

  auto& lines = incident.lines;
  lines.push_back(L("CPU peaked at %@ (%@) and averaged %@ over these %@ s.",
                    {fmtPercent(x.peak), ago(x.peakAgo), fmtPercent(x.average), std::to_string(n)}));
  if (first)
    lines.push_back(L("%@ peaked at %@% (100% is one full core) and averaged %@%.",
                      {first->name, wholeNumber(first->peak), wholeNumber(first->average)}));
  if (tight)
    lines.push_back(L("Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.",
                      {wholeNumber(x.maxPressure)}));
  if (heavyDisk) lines.push_back(L("Disk activity peaked at %@.", {fmtRate(x.maxDisk)}));
  if (!busy && !tight && !heavyDisk)
    lines.push_back(L("If things felt slow just now, an app may have been waiting on the network or on another "
                      "program. That doesn't show up as CPU usage."));
  return incident;
}

}  // namespace qel
