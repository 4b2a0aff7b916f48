// Stretches: spans of time the user marks by hand, recorded tick by tick, kept in the history,
// renamed, deleted and laid onto the day ring.
#include <algorithm>
#include <cstdio>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

void Store::setStretchReport(std::optional<Stretch> stretch) { assign(navigation_.stretchReport, std::move(stretch), Concern::navigation); }

void Store::startStretch() {
  if (stretchLog_.recording) return;
  stretchLog_.recording = StretchRecorder{.start = clock_.now()};
  changed(Concern::stretches);
  show(L("Marking started. Click End when you're done."));
}

void Store::recordStretch(const std::vector<ProcInfo>& procs) {
  if (!stretchLog_.recording) return;
  StretchRecorder r = *stretchLog_.recording;
  r.record(liveReadings_.cpu.total, liveReadings_.power ? *liveReadings_.power : procWatts());
  for (const auto& p : procs)
    if (p.cpu >= 0.5) r.addApp(appName(p), p.cpu);
  stretchLog_.recording = std::move(r);
  changed(Concern::stretches);
}

void Store::stopStretch() {
  if (!stretchLog_.recording) return;
  const StretchRecorder r = std::move(*stretchLog_.recording);
  stretchLog_.recording.reset();
  const Date now = clock_.now();
  Stretch s = r.finish(now);
  s.name = L("Marked at %@", {clockFormatter().string(r.start)});
  // Compared with the usual load of the slot it began in, when that began today.
  if (dayKey(r.start) == dayKey(now)) {
    const auto& baseline = insightFindings_.insight.baseline();
    const auto slot = std::size_t(slotOf(r.start));
    if (slot < baseline.size() && baseline[slot].days >= 3 && baseline[slot].cpu >= 0.02)
      s.ratio = s.average / baseline[slot].cpu;
  }
  stretchLog_.stretches.push_back(s);
  if (history_) history_->save(s);
  navigation_.stretchReport = std::move(s);
  changed(Concern::stretches | Concern::navigation);
}

void Store::loadStretches() {
  if (!history_) return;
  const int keepDays = setting(Setting::keepDays);
  const auto back = keepDays >= 1 ? std::chrono::hours(24) * keepDays : std::chrono::hours(24) * 3650;
  assign(stretchLog_.stretches, history_->loadStretches(clock_.now() - back), Concern::stretches);
}

std::string Store::recordingText() const {
  const int s = stretchLog_.recording ? stretchLog_.recording->seconds : 0;
  char buf[32];
  if (s >= 3600) std::snprintf(buf, sizeof buf, "%d:%02d:%02d", s / 3600, (s / 60) % 60, s % 60);
  else std::snprintf(buf, sizeof buf, "%02d:%02d", s / 60, s % 60);
  return buf;
}

void Store::rename(const Stretch& stretch, const std::string& name) {
  const auto first = name.find_first_not_of(" \t\n\r\v\f");
  if (first == std::string::npos) return;
  const std::string trimmed = name.substr(first, name.find_last_not_of(" \t\n\r\v\f") - first + 1);
  auto it = std::find_if(stretchLog_.stretches.begin(), stretchLog_.stretches.end(), [&](const Stretch& s) { return s.start == stretch.start; });
  // Against the stored name, not the caller's copy: that may be older than an earlier rename.
  if (it == stretchLog_.stretches.end() || it->name == trimmed) return;
  it->name = trimmed;
  if (history_) history_->save(*it);
  changed(Concern::stretches);
}

void Store::deleteStretch(const Stretch& stretch) {
  std::erase_if(stretchLog_.stretches, [&](const Stretch& s) { return s.start == stretch.start; });
  if (history_) history_->deleteStretch(stretch.start);
  navigation_.stretchReport.reset();
  changed(Concern::stretches | Concern::navigation);
  show(L("Mark deleted"));
}

std::vector<Stretch> Store::otherStretches(const Stretch& sameDayAs) const {
  const std::string day = dayKey(sameDayAs.start);
  std::vector<Stretch> out;
  for (const auto& s : stretchLog_.stretches)
    if (s.start != sameDayAs.start && dayKey(s.start) == day) out.push_back(s);
  std::stable_sort(out.begin(), out.end(), [](const Stretch& a, const Stretch& b) { return a.start > b.start; });
  return out;
}

std::vector<StretchSpan> Store::stretchSpans() const { return spansOnDay<StretchSpan>(stretchLog_.stretches, shownDayStart()); }

std::optional<Stretch> Store::selectedStretch() const {
  if (dayView_.ringMode != RingMode::day || !dayView_.selectedSlot) return std::nullopt;
  const auto spans = stretchSpans();
  if (const auto* span = spanAt(spans, *dayView_.selectedSlot)) return span->stretch;
  return std::nullopt;
}

}  // namespace qel
