// Findings of the insight engine on the store, the replay on show and the battery forecast.
#include <unistd.h>

#include <filesystem>

#include "Qel/Store/Store.hpp"

namespace qel {

void Store::handle(const std::vector<Finding>& found, Date now) {
  if (found.empty()) return;
  std::vector<Finding> newest = found;
  newest.insert(newest.end(), insightFindings_.findings.begin(), insightFindings_.findings.end());
  if (newest.size() > 5) newest.resize(5);
  insightFindings_.findings = std::move(newest);

  // Filed under the tick's own day: in the first second after midnight the rollover has not
  // happened yet, and it loads the new day's events (this one too) from the database.
  const std::string key = dayKey(now);
  const int slot = slotOf(now);
  for (const auto& f : found) {
    const DayEvent event{
        .slot = slot, .isMemory = f.facts.isMemory, .title = f.title(), .detail = f.detail(), .facts = f.facts};
    if (key == dayKey_ || !history_) dayView_.flaggedEvents.push_back(event);
    if (history_) history_->add(event, key);
    if (taming_.mutedUntil && *taming_.mutedUntil > now) continue;
    show(event.title);
    notify(event.title, event.detail);
  }
  changed(Concern::insights | Concern::day);
}

void Store::setIncident(std::optional<Incident> incident) { assign(navigation_.incident, std::move(incident), Concern::navigation); }

std::optional<RuntimeForecast> Store::runtimeForecast() const {
  return qel::runtimeForecast({.battery = liveReadings_.battery,
                               .powerHist = liveReadings_.powerHist,
                               .procs = processList_.procs,
                               .energyByPid = liveReadings_.energyByPid,
                               .ownPID = std::int32_t(getpid()),
                               .appName = [this](const std::string& key) { return appName(key); }});
}

std::optional<std::int32_t> Store::frontPid() const { return desktop_ ? desktop_->frontApp().processId() : std::nullopt; }

std::string Store::appName(const std::string& key) const {
  if (auto app = appEntry(key); app && !app->name.empty()) return app->name;
  // Without an entry: the desktop file's name ("org.example.Editor").
  return std::filesystem::path(key).stem().string();
}

}  // namespace qel
