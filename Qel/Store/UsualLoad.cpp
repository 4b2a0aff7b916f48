// The usual load per ten-minute slot: kept in the history, learnt from each finished day, and
// what the program says with it.
#include <algorithm>

#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

void Store::restoreBaseline() {
  if (history_) insightFindings_.insight.setBaseline(history_->loadBaseline());
}

void Store::foldPastDays() {
  if (!history_ || dayKey_.empty()) return;
  // Up to the sure day: a day the clock jumped back into was folded when it ended, and the day
  // the clock jumped ahead from is still going on.
  auto days = history_->daysNotFolded(sureDayKey());
  // A day filed under a clock that had jumped ahead is not learnt from, and doesn't move the
  // folded mark past the days a right clock will file later.
  const auto unsure = history_->unsureDays();
  std::erase_if(days, [&](const std::string& d) { return std::binary_search(unsure.begin(), unsure.end(), d); });
  if (days.empty()) return;
  auto baseline = insightFindings_.insight.baseline();
  for (const auto& d : days) {
    const auto slots = history_->loadDay(d);
    if (slots.empty() || slots.size() != baseline.size()) continue;
    for (std::size_t i = 0; i < slots.size(); ++i) {
      const auto& b = slots[i];
      if (!b || b->count < 30) continue;
      // A plain mean over the first fourteen days, then each day moves it by a fourteenth.
      // A stored count out of range (a damaged file) starts afresh below 0 and counts as 14 above.
      BaselineSlot& u = baseline[i];
      const int w = std::clamp(u.days, 0, 13);
      u.cpu = (b->cpu + u.cpu * w) / (w + 1);
      u.days = w + 1;
    }
  }
  insightFindings_.insight.setBaseline(baseline);
  history_->save(std::move(baseline), days.back());
}

std::string Store::baselineNote() const {
  const int d = insightFindings_.insight.baselineDays();
  if (d >= 3)
    return Ln("The thin line is the usual CPU load at this time of day (from the last %n days)", d);
  return Ln("After %n more days of history, the ring will show a reference line for your usual load", 3 - d);
}

std::optional<double> Store::busierThanUsual() const {
  const int s = nowSlot();
  if (dayView_.viewDay || std::size_t(s) >= insightFindings_.insight.baseline().size() || std::size_t(s) >= dayView_.day.size()) return std::nullopt;
  const BaselineSlot& usual = insightFindings_.insight.baseline()[std::size_t(s)];
  if (usual.days < 3 || usual.cpu < 0.02) return std::nullopt;
  const auto& now = dayView_.day[std::size_t(s)];
  if (!now || now->count < 60 || now->cpu < 0.25) return std::nullopt;
  const double ratio = now->cpu / usual.cpu;
  return ratio >= 2.0 ? std::optional(ratio) : std::nullopt;
}

void Store::dismiss(const Finding& finding) {
  auto kept = insightFindings_.findings;
  std::erase_if(kept, [&](const Finding& f) { return f.id == finding.id; });
  assign(insightFindings_.findings, std::move(kept), Concern::insights);
}

}  // namespace qel
