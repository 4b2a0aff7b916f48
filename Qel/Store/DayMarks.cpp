// Day marks: small notes of what happened to the machine during the day (power source,
// displays, network, wake, app launches), made by watching the published state.
#include <algorithm>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

void Store::installMarkWatch() {
  markScreens_ = desktop_ ? desktop_->screenCount() : 0;
  markWatch_ = true;
}

void Store::noteSlowChanges() {
  if (liveReadings_.battery.present) {
    if (markPower_ && *markPower_ != liveReadings_.battery.onAC) addMark(liveReadings_.battery.onAC ? "plug" : "unplug", "");
    markPower_ = liveReadings_.battery.onAC;
  }
  // Online: some Ethernet or Wi-Fi interface has an address.
  const bool online = !liveReadings_.addresses.empty();
  if (markOnline_ && *markOnline_ != online) addMark(online ? "net+" : "net-", "");
  markOnline_ = online;

  if (!markWatch_) return;
  if (desktop_) {
    const int screens = desktop_->screenCount();
    if (screens != markScreens_) addMark(screens > markScreens_ ? "display+" : "display-", "");
    markScreens_ = screens;
  }
  // An application whose key wasn't among the running ones at the last look was launched.
  std::set<std::string> running;
  for (const auto& p : processList_.procs)
    if (isAppKey(p.appKey)) running.insert(p.appKey);
  if (markApps_) {
    for (const auto& key : running) {
      if (markApps_->contains(key)) continue;
      // Hidden entries are helpers and agents, not applications the user opened.
      if (auto app = appEntry(key); app && !app->noDisplay && !app->name.empty()) addMark("launch", app->name);
    }
  }
  markApps_ = std::move(running);
}

void Store::addMark(std::string kind, std::string arg) {
  if (dayKey_.empty()) return;
  const Date now = clock_.now();
  // Filed under the day it happened on: before the new day's first sample the rollover has not
  // happened yet, and it loads the new day's marks (this one too) from the database.
  const std::string key = dayKey(now);
  DayMark mark{.slot = slotOf(now), .date = now, .kind = std::move(kind), .arg = std::move(arg)};
  if (key == dayKey_ || !history_) {
    dayView_.marks.push_back(mark);
    changed(Concern::day);
  }
  if (history_) history_->add(std::move(mark), key);
}

std::vector<DayMark> Store::selectedMarks() const {
  if (dayView_.ringMode != RingMode::day || !dayView_.selectedSlot) return {};
  std::vector<DayMark> out;
  for (const auto& m : dayView_.viewDay ? pastMarks_ : dayView_.marks)
    if (m.slot == *dayView_.selectedSlot) out.push_back(m);
  return out;
}

std::optional<DayMark> Store::markBefore(const DayEvent& event) const {
  std::optional<DayMark> best;
  for (const auto& m : dayView_.viewDay ? pastMarks_ : dayView_.marks)
    if (m.slot >= event.slot - 3 && m.slot <= event.slot && (!best || m.date > best->date)) best = m;
  return best;
}

std::optional<AppEntry> Store::appEntry(const std::string& key) const {
  if (!processList_.apps) return std::nullopt;
  const auto table = processList_.apps->table();
  if (const AppEntry* entry = table ? table->byKey(key) : nullptr) return *entry;
  return std::nullopt;
}

std::string Store::appName(const ProcInfo& p) const {
  if (isAppKey(p.appKey))
    if (auto app = appEntry(p.appKey); app && !app->name.empty()) return app->name;
  return p.name;
}

}  // namespace qel
