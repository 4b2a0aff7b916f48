#include "Qel/Window/Overview/DayRingPicture.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/LiveSeries.hpp"
#include "Qel/Window/Overview/DayRingGeometry.hpp"

namespace qel {

namespace {

void readLive(const LiveState& live, DayRingPicture& p) {
  const int n = int(kHistoryLength);
  p.cpu.assign(std::size_t(n), std::nullopt);
  p.mem.assign(std::size_t(n), std::nullopt);
  const auto& cpu = live.cpuHist();
  const auto& mem = live.memHist();
  for (std::size_t i = 0; i < std::min({cpu.size(), mem.size(), std::size_t(n)}); ++i) {
    p.cpu[i] = cpu[i];
    p.mem[i] = mem[i];
  }
  p.limit = n;
}

void readDay(const DayState& state, const InsightState& insights, DayRingPicture& p) {
  const auto& day = state.shownDay();
  p.cpu.assign(std::size_t(kSlotsPerDay), std::nullopt);
  p.mem.assign(std::size_t(kSlotsPerDay), std::nullopt);
  for (std::size_t i = 0; i < std::min(day.size(), std::size_t(kSlotsPerDay)); ++i)
    if (day[i]) {
      p.cpu[i] = day[i]->cpu;
      p.mem[i] = day[i]->mem;
    }
  p.limit = state.viewDay() ? kSlotsPerDay : std::min(state.nowSlot(), kSlotsPerDay - 1) + 1;

  const Date dayStart = state.shownDayStart();
  for (const auto& span : state.sleepSpans()) {
    p.sleeps.push_back({span.from, span.to});
    for (const auto& wake : span.session.wakes)
      if (const auto s = wakeSlot(wake.date, dayStart); s && span.from <= *s && *s <= span.to)
        p.darkWakes.push_back(*s);
  }
  const auto& insight = insights.insight();
  if (insight.baselineDays() >= 3) {
    const auto& usual = insight.baseline();
    p.usual.assign(std::size_t(kSlotsPerDay), std::nullopt);
    for (std::size_t i = 0; i < std::min(usual.size(), std::size_t(kSlotsPerDay)); ++i)
      if (usual[i].days >= 3) p.usual[i] = usual[i].cpu;
  }
  for (const auto& e : state.events()) p.events.push_back({e.slot, e.isMemory});
  if (const auto e = state.selectedEvent()) p.selectedEvent = e->slot;
  for (const auto& span : state.stretchSpans()) p.stretches.push_back({span.from, span.to});
  std::set<int> seen;
  for (const auto& m : state.shownMarks())
    if (m.slot >= 0 && m.slot < kSlotsPerDay && seen.insert(m.slot).second) p.marks.push_back(m.slot);
}

bool valuesAlike(const std::vector<std::optional<double>>& a, const std::vector<std::optional<double>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].has_value() != b[i].has_value()) return false;
    if (!a[i]) continue;
    const double x = *a[i], y = *b[i];
    if (barTone(x) != barTone(y)) return false;
    if (!(std::abs(barFraction(x) - barFraction(y)) < 1.0 / 512)) return false;
  }
  return true;
}

}  // namespace

bool drawsAlike(const DayRingPicture& a, const DayRingPicture& b) {
  return a.mode == b.mode && a.limit == b.limit && a.selected == b.selected && a.sleeps == b.sleeps &&
         a.darkWakes == b.darkWakes && a.events == b.events && a.selectedEvent == b.selectedEvent &&
         a.stretches == b.stretches && a.marks == b.marks && a.hand == b.hand && valuesAlike(a.cpu, b.cpu) &&
         valuesAlike(a.mem, b.mem) && valuesAlike(a.usual, b.usual);
}

DayRingPicture dayRingPicture(const LiveState& live, const DayState& day, const InsightState& insights) {
  DayRingPicture p;
  p.mode = day.ringMode();
  if (p.mode == RingMode::live)
    readLive(live, p);
  else
    readDay(day, insights, p);
  p.selected = day.selectedSlot();
  if (p.selected)
    p.hand = p.selected;
  else if (p.mode == RingMode::live || !day.viewDay())
    p.hand = day.maxSlot();
  return p;
}

}  // namespace qel
