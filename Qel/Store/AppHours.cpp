// Per-app usage: running sums each tick, added to the app's hour in the history about once a
// minute, and the profile of one app from those hours.
#include <ctime>
#include <set>

#include "Qel/Platform/Desktop/DpkgQuery.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

void Store::recordApps(const std::vector<ProcInfo>& procs, Date now) {
  if (procs.empty()) return;
  std::pair<std::string, int> hour{dayKey(now), slotOf(now) / 6};
  if (appHour_ != hour) {
    flushApps();
    appHour_ = std::move(hour);
  }
  std::set<std::string_view> seen;
  for (const auto& p : procs) {
    // Only applications: helpers carry their application's key and add up under it.
    if (!isAppKey(p.appKey)) continue;
    auto [it, fresh] = appUsage_.try_emplace(p.appKey);
    AppUsage& usage = it->second;
    if (fresh) usage.name = appName(p.appKey);
    if (!p.path.empty()) appExecutables_.try_emplace(p.appKey, p.path);
    if (seen.insert(p.appKey).second) ++usage.samples;
    usage.cpu += p.cpu / 100.0;
    usage.mem += double(p.mem);
    usage.energy += p.energy;
  }
}

void Store::flushApps() {
  if (appUsage_.empty()) return;
  const std::time_t t = std::chrono::system_clock::to_time_t(clock_.now());
  std::tm local{};
  localtime_r(&t, &local);

  struct Pending {
    HistoryDB::AppRow row;
    std::string executable;
  };
  std::vector<Pending> batch;
  for (auto& [key, usage] : appUsage_) {
    if (usage.samples < 1) continue;
    const auto exe = appExecutables_.find(key);
    batch.push_back({{.key = key, .usage = std::move(usage), .version = {}},
                     exe == appExecutables_.end() ? std::string() : exe->second});
  }
  appUsage_.clear();
  if (batch.empty()) return;

  // Asking the package manager takes a command run per app: on a queue of its own, never here.
  appVersionQueue_.async([this, batch = std::move(batch), day = appHour_ ? appHour_->first : todayKey(),
                          hour = appHour_ ? appHour_->second : local.tm_hour,
                          forget = local.tm_min == 0]() mutable {
    std::vector<HistoryDB::AppRow> rows;
    for (auto& p : batch) {
      if (const auto known = appVersions_.find(p.row.key); known != appVersions_.end()) {
        p.row.version = known->second;
      } else if (askPackages_) {
        p.row.version = p.executable.empty() ? std::string() : packageVersion_(p.executable);
        appVersions_[p.row.key] = p.row.version;
      }
      rows.push_back(std::move(p.row));
    }
    if (history_) history_->add(std::move(rows), std::move(day), hour);
    // Once an hour every version is asked again: apps get updated while they run.
    if (forget) appVersions_.clear();
  });
}

void Store::finishAppVersions() {
  askPackages_ = false;
  appVersionQueue_.drain(std::chrono::seconds(15));
}

AppProfile Store::profile(const std::string& key) {
  const auto since = addDays(dayKey(clock_.now()), -30);
  if (!since || !history_) return {};
  return AppProfile::build(history_->loadApp(key, *since), history_->totalAppEnergy(*since));
}

}  // namespace qel
