#include "Qel/Store/Store.hpp"

#include <algorithm>
#include <cstdio>
#include <type_traits>
#include <variant>

#include "Qel/History/Retention.hpp"
#include "Qel/Platform/Bus/SleepWatch.hpp"
#include "Qel/Platform/Desktop/DpkgQuery.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/LiveSeries.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

Store::Store(StoreServices services)
    : clock_(*services.clock),
      main_(*services.main),
      defaults_(*services.defaults),
      system_(std::move(services.system)),
      processes_(std::move(services.processes)),
      traffic_(std::move(services.traffic)),
      portSource_(std::move(services.ports)),
      bluetoothSource_(std::move(services.bluetooth)),
      trafficPause_(services.trafficPause),
      launchDate_(clock_.now()),
      launchBoot_(clock_.sinceBoot()),
      quitProgram_(std::move(services.quitProgram)),
      sleepLog_(std::move(services.sleepLog)),
      watchSleep_(services.watchSleep) {
  toastsWaitToBeSeen_ = services.toastsWaitToBeSeen;
  if (services.openHistory)
    history_ = services.openHistory([this](const HistoryProblem& problem) { reportHistoryProblem(problem); });
  processList_.apps = services.apps;
  if (system_) liveReadings_.chip = system_->chip();
  holdsGpu_ = std::move(services.holdsGpu);
  packageVersion_ = services.packageVersion ? std::move(services.packageVersion)
                                            : [](const std::string& exe) { return packageVersionOf(exe); };
  readSettings();
  defaults_.onTooLong([this] {
    onMain([this] {
      show(L("The settings could not be saved: %@ would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.",
             {defaults_.path().string()}));
    });
  });
  for (auto* h : {&liveReadings_.cpuHist, &liveReadings_.memHist, &liveReadings_.netHist, &liveReadings_.netUpHist, &liveReadings_.diskHist, &liveReadings_.diskReadHist, &liveReadings_.diskWriteHist,
                  &liveReadings_.gpuHist, &liveReadings_.powerHist})
    h->assign(kHistoryLength, 0.0);
}

Store::~Store() {
  defaults_.onTooLong({});
  releaseOnExit();
  *alive_ = false;
  asideQueue_.stop();
  queue_.stop();
  askPackages_ = false;
  appVersionQueue_.stop();
  history_.reset();  // may still report a problem: the fields that needs are alive until here
}

void Store::start() {
  if (desktop_) desktop_->applyAppearance(setting(Setting::appearance));
  if (const auto aside = defaults_.movedAside())
    show(L("The settings file could not be read. It was kept as %@ and the settings start from their defaults.",
           {aside->string()}));
  if (const auto why = defaults_.unreadable())
    show(L("The settings file %@ can't be read (%@). The settings start from their defaults and changes are not saved, so the file stays as it is.",
           {defaults_.path().string(), *why}));
  loadRules();
  loadDay();
  sampleOnce();
  installTamer();
  installSleepWatch();
  installMarkWatch();
  loadStretches();
}

void Store::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  releaseOnExit();
  saveDay();
  flushApps();
  finishAppVersions();
  if (history_) history_->close();
}

// ---- observation ----

void Store::changed(Notice::Topics concerns) {
  notice_.mark(concerns);
  if (notifyPending_) return;
  notifyPending_ = true;
  onMain([this] {
    notifyPending_ = false;
    notice_.publish();
  });
}

void Store::onMain(std::function<void()> work) {
  main_.post([alive = alive_, work = std::move(work)] {
    if (*alive) work();
  });
}

void Store::onMainAfter(std::chrono::milliseconds delay, std::function<void()> work) {
  main_.postAfter(delay, [alive = alive_, work = std::move(work)] {
    if (*alive) work();
  });
}

// ---- settings ----

namespace {

// A stored value of another type than the setting's reads as its default.
SettingValue readSetting(const Defaults& defaults, const SettingDeclaration& setting) {
  return std::visit(
      [&](const auto& fallback) -> SettingValue {
        using T = std::decay_t<decltype(fallback)>;
        if constexpr (std::is_same_v<T, bool>) {
          return defaults.boolean(setting.key, fallback);
        } else if constexpr (std::is_same_v<T, int>) {
          return int(std::clamp<std::int64_t>(defaults.integer(setting.key, fallback), setting.range.least,
                                              setting.range.most));
        } else if constexpr (std::is_same_v<T, std::string>) {
          return defaults.string(setting.key, fallback);
        } else {
          const auto list = defaults.strings(setting.key, std::vector<std::string>(fallback.begin(), fallback.end()));
          return std::set<std::string>(list.begin(), list.end());
        }
      },
      setting.fallback);
}

nlohmann::json settingJson(const SettingValue& value) {
  return std::visit(
      [](const auto& v) -> nlohmann::json {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::set<std::string>>)
          return std::vector<std::string>(v.begin(), v.end());
        else
          return v;
      },
      value);
}

}  // namespace

void Store::readSettings() {
  settings_.clear();
  for (const auto* setting : SettingDeclaration::all()) settings_.push_back(readSetting(defaults_, *setting));
  if (auto rules = defaults_.value("qel.tameRules"); rules && rules->is_object()) {
    std::map<std::string, std::string> read;
    bool allStrings = true;
    for (auto it = rules->begin(); it != rules->end(); ++it) {
      if (!it.value().is_string()) {
        allStrings = false;
        break;
      }
      read[it.key()] = it.value().get<std::string>();
    }
    if (allStrings) taming_.tameRules = std::move(read);
  }
}

void Store::setSetting(const SettingDeclaration& setting, SettingValue value) {
  if (value.index() != setting.fallback.index()) return;
  value = setting.fit(std::move(value));
  defaults_.set(setting.key, settingJson(value));
  if (&setting == &Setting::language) {
    Loc::set(std::get<std::string>(value), nullptr);
    // Apps are named in the language on screen: the processes are matched again at the next sample.
    if (processList_.apps) processList_.apps->setLanguage(Loc::code());
    settings_[setting.index] = std::move(value);
    // Even the language already on is a switch: every view hears it.
    changed(setting.concerns);
    return;
  }
  assign(settings_[setting.index], std::move(value), setting.concerns);
  if (&setting == &Setting::appearance && desktop_) {
    desktop_->applyAppearance(this->setting(Setting::appearance));
    desktop_->updateDockIcon(true);
  }
  if (&setting == &Setting::dockLoad && desktop_) desktop_->updateDockIcon(true);
  // The figures on show follow the prune at once rather than at the next change of day.
  if (&setting == &Setting::keepDays && pruneHistory()) refreshHistoryInfo();
}

void Store::setTameRules(std::map<std::string, std::string> rules) {
  defaults_.set("qel.tameRules", rules);
  assign(taming_.tameRules, std::move(rules), Concern::settings | Concern::taming);
}

bool Store::pruneHistory() {
  const int keepDays = setting(Setting::keepDays);
  if (keepDays < 1 || !history_) return false;
  // Counted from the earlier of the two days: a clock set back prunes less, never more.
  const auto before = pruneBefore(std::min(todayKey(), sureDayKey()), history_->recordedDays(), keepDays,
                                  history_->unsureDays());
  if (before) history_->prune(*before);
  return before.has_value();
}

void Store::savedToday() {
  // The first save of a day is the earliest the day counts as recorded: then old days may go.
  if (prunedDay_ == dayKey_) return;
  prunedDay_ = dayKey_;
  if (pruneHistory()) refreshHistoryInfo();
}

// ---- small services ----

void Store::setPage(Page page) { assign(navigation_.page, page, Concern::navigation); }
void Store::setRingMode(RingMode mode) { assign(dayView_.ringMode, mode, Concern::day); }
void Store::setSelectedSlot(std::optional<int> slot) { assign(dayView_.selectedSlot, slot, Concern::day); }
void Store::setSort(SortKey key) { assign(processList_.sort, key, Concern::processes); }
void Store::setQuery(std::string query) { assign(processList_.query, std::move(query), Concern::processes); }
void Store::setSelection(std::set<std::int32_t> selection) { assign(processList_.selection, std::move(selection), Concern::processes); }
void Store::setDetailPID(std::optional<std::int32_t> pid) { assign(navigation_.detailPID, pid, Concern::navigation); }
void Store::setShowingSettings(bool on) { assign(navigation_.showingSettings, on, Concern::navigation); }
void Store::setShowingLicenses(bool on) { assign(navigation_.showingLicenses, on, Concern::navigation); }
void Store::setSettingsTab(std::string tab) { assign(navigation_.settingsTab, std::move(tab), Concern::navigation); }
void Store::setPortQuery(std::string query) { assign(processList_.portQuery, std::move(query), Concern::processes); }
void Store::setMutedUntil(std::optional<Date> until) { assign(taming_.mutedUntil, until, Concern::taming); }

void Store::show(std::string toast) {
  navigation_.toast = toast;
  changed(Concern::navigation);
  toastWaiting_ = toastsWaitToBeSeen_ && toastViewers_.empty();
  if (!toastWaiting_) clearToastLater(toast);
}

void Store::clearToastLater(const std::string& toast) {
  // Clears only its own text: a newer toast is not cut short, the same one is not extended.
  onMainAfter(std::chrono::milliseconds(2200), [this, toast] {
    if (navigation_.toast == toast) {
      navigation_.toast.reset();
      changed(Concern::navigation);
    }
  });
}

void Store::setToastViewer(const void* viewer, bool onScreen) {
  if (onScreen)
    toastViewers_.insert(viewer);
  else
    toastViewers_.erase(viewer);
  if (toastWaiting_ && !toastViewers_.empty() && navigation_.toast) {
    toastWaiting_ = false;
    clearToastLater(*navigation_.toast);
  }
}

std::optional<ProcInfo> Store::proc(std::int32_t pid) const {
  for (const auto& p : processList_.procs)
    if (p.pid == pid) return p;
  return std::nullopt;
}

double Store::procWatts() const {
  double sum = 0;
  for (const auto& p : processList_.procs) sum += p.energy;
  return sum;
}

std::string Store::todayKey() const { return dayKey_.empty() ? dayKey(clock_.now()) : dayKey_; }

std::string Store::sureDayKey() const {
  const Date sure = launchDate_ + std::chrono::duration_cast<Date::duration>(clock_.sinceBoot() - launchBoot_);
  // Within an hour it is the clock's own correction, not a step.
  const auto off = clock_.now() - sure;
  return off < std::chrono::hours(1) && off > -std::chrono::hours(1) ? todayKey() : dayKey(sure);
}

Date Store::shownDayStart() const {
  if (dayView_.viewDay)
    if (auto start = dayStart(*dayView_.viewDay)) return *start;
  return startOfDay(clock_.now());
}

int Store::nowSlot() const { return slotOf(clock_.now()); }

void Store::refreshHistoryInfo() {
  if (history_) {
    // Days after today were written under a clock set ahead: kept, but not counted or offered.
    auto days = history_->recordedDays();
    const std::string today = todayKey();
    std::erase_if(days, [&](const std::string& day) { return day > today; });
    assign(dayView_.recordedDays, std::move(days), Concern::settings | Concern::day);
    assign(settingsView_.historySize, history_->fileSize(), Concern::settings);
  }
  // A past day on show that is gone from the history (pruned, erased): back to today.
  if (dayView_.viewDay && std::find(dayView_.recordedDays.begin(), dayView_.recordedDays.end(), *dayView_.viewDay) == dayView_.recordedDays.end()) {
    assign(dayView_.selectedSlot, std::optional<int>(), Concern::day);
    assign(dayView_.viewDay, std::optional<std::string>(), Concern::day);
  }
}

void Store::reportHistoryProblem(const HistoryProblem& problem) {
  // Called on the history queue: the toast goes up on the main thread.
  std::string text;
  switch (problem.kind) {
    case HistoryProblem::Kind::opened:
      // Nothing more to tell: the user heard at the start that the history waits for room.
      onMain([this] { historyOpened(); });
      return;
    case HistoryProblem::Kind::movedAside:
      text = L("The history file could not be used. It was kept as %@ and a new one started.",
               {problem.movedTo.string()});
      break;
    case HistoryProblem::Kind::tooNew:
      text = L("History is not saved this run: the history file is from a newer version of Qel and is left as it is.");
      break;
    case HistoryProblem::Kind::openFailed:
      text = L("History can't be saved: %@", {problem.detail});
      break;
    case HistoryProblem::Kind::waiting:
      text = L("History can't be saved for now: %@. Qel keeps it and saves it once the disk has room again.",
               {problem.detail});
      break;
    case HistoryProblem::Kind::writeFailed:
    case HistoryProblem::Kind::notSaved:
      text = L("History could not be saved: %@", {problem.detail});
      break;
    case HistoryProblem::Kind::readFailed:
      text = L("History could not be read: %@", {problem.detail});
      break;
  }
  // The terminal or the journal hears it too: a toast is gone in seconds, and none is seen
  // while quitting.
  std::fprintf(stderr, "qel: %s\n", text.c_str());
  onMain([this, text = std::move(text)]() mutable { show(std::move(text)); });
}

}  // namespace qel
