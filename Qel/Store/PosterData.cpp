#include "Qel/Store/PosterData.hpp"

#include <algorithm>
#include <cstdio>

#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/LocalizedDate.hpp"

namespace qel {

void summarizeSlots(PosterData& data) {
  int recorded = 0;
  long long seconds = 0;
  double sum = 0;
  std::optional<int> best;
  for (int i = 0; i < int(data.buckets.size()); ++i) {
    const auto& b = data.buckets[i];
    if (!b) continue;
    ++recorded;
    // One sample a second, and a slot holds ten minutes at most: a slot begun a minute ago is
    // a minute, not ten.
    seconds += std::clamp(b->count, 0, 600);
    sum += b->cpu;
    // Only a strictly greater peak replaces the best, so equal peaks keep the earlier slot.
    if (!best || b->peak > data.buckets[*best]->peak) best = i;
  }
  data.recordedMinutes = int((seconds + 30) / 60);
  data.average = recorded ? sum / recorded : 0;
  data.peak.reset();
  data.peakTime.clear();
  data.peakApp.clear();
  if (!best) return;
  const auto& b = *data.buckets[*best];
  data.peak = b.peak;
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d", *best / 6, *best % 6 * 10);
  data.peakTime = time;
  data.peakApp = b.top;
}

PosterData Store::posterData() const {
  PosterData data;
  data.buckets = shownDay();
  data.dateText = localizedDate(shownDayStart(), "yMMMdEEE", Loc::code());
  for (const auto& e : events()) data.events.push_back({e.slot, e.isMemory});
  for (const auto& s : sleepSpans()) data.sleeps.push_back({s.from, s.to});
  summarizeSlots(data);
  // Named in the language on screen where the app is still installed, else as the hours kept it.
  if (history_)
    for (const auto& app : history_->topApps(dayView_.viewDay.value_or(todayKey()), 3)) {
      const auto entry = appEntry(app.key);
      data.topApps.push_back(entry && !entry->name.empty() ? entry->name : app.name);
    }
  return data;
}

void Store::setExporting(std::optional<PosterData> data) { assign(navigation_.exporting, std::move(data), Concern::navigation); }

}  // namespace qel
