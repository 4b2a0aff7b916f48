// What the shown day and the present say: the day's events, the status headline, the
// process table's rows and the small read-outs beside them.
#include <algorithm>
#include <cmath>

#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/TextMatcher.hpp"

namespace qel {

std::vector<DayEvent> Store::events() const {
  std::vector<DayEvent> out;
  const auto& day = shownDay();
  for (std::size_t s = 0; s < day.size(); ++s) {
    const auto& b = day[s];
    if (!b || b->count < 30) continue;  // five minutes of samples at least
    if (b->cpu >= 0.6) {
      std::string detail = L("CPU averaged %@ over these 10 minutes and peaked at %@.",
                             {wholeNumber(b->cpu * 100) + "%", wholeNumber(b->peak * 100) + "%"});
      if (!b->top.empty())
        detail += L(" The top process at the time was %@ (%@%).", {b->top, wholeNumber(b->topCPU)});
      out.push_back({.slot = int(s), .isMemory = false, .title = L("CPU busy"), .detail = std::move(detail)});
    } else if (b->pressure >= 60.0) {
      out.push_back({.slot = int(s),
                     .isMemory = true,
                     .title = L("Memory is tight"),
                     .detail = L("Memory pressure averaged %@% over these 10 minutes, with %@ in use.",
                                 {wholeNumber(b->pressure), wholeNumber(b->mem * 100) + "%"})});
    }
  }
  for (const auto& e : dayView_.viewDay ? pastFlagged_ : dayView_.flaggedEvents) {
    if (std::any_of(out.begin(), out.end(), [&](const DayEvent& o) { return o.slot == e.slot; })) continue;
    DayEvent shown = e;
    // A finding is worded in the language on screen; one stored without its figures keeps its words.
    if (e.facts) {
      shown.title = findingTitle(*e.facts);
      shown.detail = findingDetail(*e.facts);
    }
    out.push_back(std::move(shown));
  }
  return out;
}

std::optional<DayEvent> Store::selectedEvent() const {
  if (dayView_.ringMode != RingMode::day || !dayView_.selectedSlot) return std::nullopt;
  for (const auto& e : events())
    if (e.slot == *dayView_.selectedSlot) return e;
  return std::nullopt;
}

std::optional<ProcInfo> Store::topProc() const {
  const ProcInfo* top = nullptr;
  for (const auto& p : processList_.procs)
    if (!top || p.cpu > top->cpu) top = &p;
  return top ? std::optional(*top) : std::nullopt;
}

std::string Store::thermalText() const {
  switch (liveReadings_.thermal) {
    case ThermalState::nominal: return L("Normal");
    case ThermalState::fair: return L("Warm");
    case ThermalState::serious: return L("Hot");
    case ThermalState::critical: return L("Overheating");
  }
  return L("Unknown");
}

StatusLine Store::status() const {
  const double c = liveReadings_.cpu.total;
  const auto top = topProc();
  const std::string name = top ? top->name : L("a process");
  const std::string pc = top ? wholeNumber(top->cpu) : "0";
  if (c >= 0.85)
    return {Level::high, L("CPU is very busy"), L("%@ is using %@%. The fans may spin up.", {name, pc})};
  if (liveReadings_.thermal == ThermalState::serious || liveReadings_.thermal == ThermalState::critical)
    return {Level::high, L("Computer is running hot"),
            L("The system is already slowing down to cool off. Stop the most power-hungry app first.")};
  if (liveReadings_.mem.pressure >= 60.0)
    return {Level::notable, L("Memory is getting tight"),
            L("The system is compressing memory. Quitting apps you aren't using will help.")};
  if (c >= 0.6) return {Level::notable, L("A bit busy"), L("Mostly %@, at %@% CPU", {name, pc})};
  if (const auto r = busierThanUsual())
    return {Level::notable, L("Busier than usual"),
            L("CPU usage over these 10 minutes is %@× the usual for this time of day, mostly from %@.",
              {fixed(*r, 1), name})};
  if (const auto n = events().size(); n > 0)
    return {Level::calm, L("All calm"),
            Ln("Qel noticed %n things today. Click a dot outside the ring to see what happened.", n)};
  return {Level::calm, L("All calm"), L("Drag the ring on the left to look back at the load at any time today.")};
}

std::vector<ProcInfo> Store::visibleProcs() const {
  const auto first = processList_.query.find_first_not_of(" \t\n\r\f\v");
  const std::string_view wanted =
      first == std::string::npos
          ? std::string_view()
          : std::string_view(processList_.query).substr(first, processList_.query.find_last_not_of(" \t\n\r\f\v") - first + 1);
  std::vector<ProcInfo> out;
  if (wanted.empty()) {
    out = processList_.procs;
  } else {
    TextMatcher matcher(wanted, Loc::code());
    for (const auto& p : processList_.procs)
      if (matcher.matches(p.name)) out.push_back(p);
  }
  // A value that is not a number sorts last instead of breaking the order.
  auto key = [this](const ProcInfo& p) {
    const double v = processList_.sort == SortKey::cpu ? p.cpu : double(p.mem);
    return std::isnan(v) ? -INFINITY : v;
  };
  std::stable_sort(out.begin(), out.end(), [&](const ProcInfo& a, const ProcInfo& b) { return key(a) > key(b); });
  return out;
}

}  // namespace qel
