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

}  // namespace

Incident InsightEngine::analyze(Date now) const {
  Incident incident{.id = newUuid(), .date = now, .frames = frames_, .headline = {}, .lines = {}, .culprits = {}};
  const std::size_t n = frames_.size();
  if (n < 5) {
    incident.headline = L("Not enough history yet");
    incident.lines = {L("Qel just started. In a few seconds it can replay what happened.")};
    return incident;
  }

  std::size_t p = 0;
  double sumCPU = 0, maxPressure = frames_[0].pressure, maxDisk = frames_[0].disk;
  for (std::size_t i = 0; i < n; ++i) {
    const Frame& f = frames_[i];
    if (f.cpu > frames_[p].cpu) p = i;  // the earliest of equal peaks
    sumCPU += f.cpu;
    maxPressure = std::max(maxPressure, f.pressure);
    maxDisk = std::max(maxDisk, f.disk);
  }
  const double peak = frames_[p].cpu;
  const double average = sumCPU / double(n);
  const long peakAgo = long(n - 1 - p);

  // Totals in the order the processes first appear.
  std::vector<std::int32_t> seen;
  std::map<std::int32_t, Total> totals;
  for (std::size_t i = 0; i < n; ++i) {
    for (const auto& e : frames_[i].top) {
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
  for (const auto pid : seen) {
    const Total& t = totals[pid];
    if (!(t.peak >= 5.0)) continue;
    incident.culprits.push_back({.pid = pid,
                                 .name = t.name,
                                 .average = t.sum / double(n),
                                 .peak = t.peak,
                                 .peakSecondsAgo = int(n - 1 - t.peakIndex)});
  }
  std::stable_sort(incident.culprits.begin(), incident.culprits.end(),
                   [](const Culprit& a, const Culprit& b) { return a.peak > b.peak; });
  if (incident.culprits.size() > 4) {
    // The headline names the peak frame's busiest process: the list must show it too. Cut from
    // the four by processes with higher peaks, it takes the last place, still highest peak first.
    const auto named = frames_[p].top.empty() ? nullptr : &frames_[p].top.front();
    const auto it = named ? std::find_if(incident.culprits.begin() + 4, incident.culprits.end(),
                                         [&](const Culprit& c) { return c.pid == named->pid; })
                          : incident.culprits.end();
    if (it != incident.culprits.end()) incident.culprits[3] = *it;
    incident.culprits.resize(4);
  }
  const Culprit* first = incident.culprits.empty() ? nullptr : &incident.culprits.front();

  const bool busy = peak >= 0.7, tight = maxPressure >= 60.0, heavyDisk = maxDisk >= kHeavyDisk;
  if (busy && !frames_[p].top.empty())
    incident.headline = L("%@ pushed the CPU to %@ %@", {frames_[p].top.front().name, fmtPercent(peak), ago(peakAgo)});
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
                    {fmtPercent(peak), ago(peakAgo), fmtPercent(average), std::to_string(n)}));
  if (first)
    lines.push_back(L("%@ peaked at %@% (100% is one full core) and averaged %@%.",
                      {first->name, wholeNumber(first->peak), wholeNumber(first->average)}));
  if (tight)
    lines.push_back(L("Memory pressure peaked at %@%. When memory runs short, switching apps gets noticeably slower.",
                      {wholeNumber(maxPressure)}));
  if (heavyDisk) lines.push_back(L("Disk activity peaked at %@.", {fmtRate(maxDisk)}));
  if (!busy && !tight && !heavyDisk)
    lines.push_back(L("If things felt slow just now, an app may have been waiting on the network or on another "
                      "program. That doesn't show up as CPU usage."));
  return incident;
}

}  // namespace qel
