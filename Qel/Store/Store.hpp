#pragma once
// The one state object of the program. It runs the one-second tick (the sampling on serial
// queues, everything else on the main thread), keeps the live histories and today's slots,
// holds the settings, and publishes all of it to the views: every change marks the store
// changed, and subscribers hear of it once per main-loop turn.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Qel/History/AppProfile.hpp"
#include "Qel/History/HistoryDB.hpp"
#include "Qel/History/InsightEngine.hpp"
#include "Qel/History/MemSuggestion.hpp"
#include "Qel/History/RuntimeForecast.hpp"
#include "Qel/History/StretchRecorder.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Proc/BackgroundPriority.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Runtime/Executor.hpp"
#include "Qel/Platform/Bus/Logind.hpp"
#include "Qel/Platform/Runtime/SerialQueue.hpp"
#include "Qel/Samplers/CoreOrder.hpp"
#include "Qel/Samplers/GpuHolders.hpp"
#include "Qel/Samplers/Sources.hpp"
#include "Qel/Store/AlertRule.hpp"
#include "Qel/Store/Concern.hpp"
#include "Qel/Store/Desktop.hpp"
#include "Qel/History/DayBucket.hpp"
#include "Qel/History/DayEvent.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightActions.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/SettingsActions.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"
#include "Qel/Store/Parts/SleepState.hpp"
#include "Qel/Store/Parts/StretchActions.hpp"
#include "Qel/Store/Parts/StretchState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"
#include "Qel/Store/Settings.hpp"
#include "Qel/Store/MenuBarPart.hpp"
#include "Qel/Store/Notice.hpp"
#include "Qel/Store/PosterData.hpp"
#include "Qel/Store/Moment.hpp"
#include "Qel/Store/SlotSpan.hpp"
#include "Qel/Store/Snapshot.hpp"
#include "Qel/Store/StatusLine.hpp"
#include "Qel/Store/TameMode.hpp"

namespace qel {

class SleepWatch;

struct StoreServices {
  const Clock* clock = &SystemClock::shared();
  Executor* main = nullptr;     // required
  Defaults* defaults = nullptr; // required
  std::unique_ptr<SystemSource> system;
  std::unique_ptr<ProcessSource> processes;
  std::unique_ptr<TrafficSource> traffic;
  std::unique_ptr<PortSource> ports;
  std::unique_ptr<BluetoothSource> bluetooth;
  // The rest between two per-app traffic reads, in whole ticks (tests shorten it).
  std::chrono::milliseconds trafficPause{2000};
  // Opens the history database with the store's problem handler; none: nothing is stored.
  std::function<std::unique_ptr<HistoryDB>(HistoryDB::ProblemHandler)> openHistory;
  // The program's own orderly quit, for when the user ends Qel itself from its process list.
  std::function<void()> quitProgram;

  // The installed applications (names of app keys); none: every app is named by its key.
  AppRegistry* apps = nullptr;
  // The version of the package that installed an executable, "" when unknown; runs on a
  // background queue. None: the package manager is asked.
  std::function<std::string(const std::string& executable)> packageVersion;
  // Whether a process holds the graphics device open (absent: can't be read); asked on a queue
  // of its own while the GPU page shows. None: nobody is asked.
  std::function<std::optional<bool>(std::int32_t pid)> holdsGpu;
  // Reads the sleeps the system logged (off the main thread; absent: no log). None: no log.
  std::function<std::optional<std::vector<SleepSession>>()> sleepLog;
  // Watch the system's sleep and wake on the system bus.
  bool watchSleep = false;
  // A toast's time runs only while a view that shows it is on screen (setToastViewer); without
  // this it runs at once, as where no view shows toasts at all.
  bool toastsWaitToBeSeen = false;
};

class Store : public Navigator, public ProcessActions, public SettingsActions, public StretchActions,
              public InsightActions {
 public:
  explicit Store(StoreServices services);
  // Stops the queues (finishing the work they run) before anything they use goes away.
  ~Store() override;
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  // The start-up after construction: loads the day and takes the first sample. The host then
  // calls sampleOnce() once a second, or hands the store its own clock with tickEvery().
  void start();
  // From now on the store ticks by itself every `interval`: the sampler queue waits out each
  // interval, so the main thread wakes once a tick, for its result.
  void tickEvery(std::chrono::milliseconds interval);
  // The orderly end: saves the day, then waits (bounded) for the history to be written.
  void shutdown();
  // The end when the main thread is stuck and can't take the orderly one: continues what this
  // run paused and lets the history write what is already queued. Safe on any thread; the
  // main thread's state is left alone (what it still held unsaved is lost).
  void lastWords();

  // Any change of the store, published on the main thread once per main-loop turn.
  Notice& notice() const { return notice_; }
  // Changes of some parts only (Concern bits), heard once per turn however many changed.
  Notice::Part changes(Notice::Topics concerns) const { return {notice_, concerns}; }

  void setDesktop(Desktop* desktop) { desktop_ = desktop; }
  Desktop* desktop() const { return desktop_; }

  // The tick.
  void sampleOnce();
  void apply(Snapshot snapshot);

  // Each part's state, as that part reads it (Store/Parts/).
  const LiveReadings& liveReadings() const { return liveReadings_; }
  const ProcessList& processList() const { return processList_; }
  const DayView& dayView() const { return dayView_; }
  const InsightFindings& insightFindings() const { return insightFindings_; }
  const SettingsView& settingsView() const { return settingsView_; }
  const StretchLog& stretchLog() const { return stretchLog_; }
  const SleepRecord& sleepRecord() const { return sleepRecord_; }
  const Taming& taming() const { return taming_; }
  const Navigation& navigation() const { return navigation_; }

  // Views and their state.
  void setPage(Page page) override;
  void setRingMode(RingMode mode) override;
  void setSelectedSlot(std::optional<int> slot) override;
  void setSort(SortKey key) override;
  void setQuery(std::string query) override;
  void setSelection(std::set<std::int32_t> selection) override;
  void setDetailPID(std::optional<std::int32_t> pid) override;
  void show(std::string toast) override;
  // A view that shows the toast came on screen or left it.
  void setToastViewer(const void* viewer, bool onScreen) override;
  void setShowingSettings(bool on) override;
  void setShowingLicenses(bool on) override;
  void setSettingsTab(std::string tab) override;
  void setPortQuery(std::string query) override;
  void setMutedUntil(std::optional<Date> until);

  // The plain settings (Store/Settings.hpp), written back at every assignment.
  template <class T>
  const T& setting(const SettingOf<T>& declared) const {
    return std::get<T>(settings_[declared.index]);
  }
  const SettingValue& settingValue(const SettingDeclaration& declared) const { return settings_[declared.index]; }
  void setSetting(const SettingDeclaration& declared, SettingValue value) override;
  void setTameRules(std::map<std::string, std::string> rules);
  // Deletes stored days older than the retention (none below 1 day), counted only from days
  // that were really recorded; true when a prune was queued.
  bool pruneHistory();

  // The machine as last sampled is liveReadings(), the processes processList().
  // The installed applications; null when none are known.
  AppRegistry* apps() const { return processList_.apps; }
  // The first process with that pid in the last sample.
  std::optional<ProcInfo> proc(std::int32_t pid) const;
  // Watts of all processes together, as estimated.
  double procWatts() const;

  // Today.
  void record(double cpu, double mem, double pressure, Date now);
  void saveDay();
  void loadDay();
  void refreshHistoryInfo() override;
  int nowSlot() const;
  // The store's day key, or today's when none is set yet.
  std::string todayKey() const;
  // The day the clock would show had nobody set it since the start: the days a step while
  // running jumps over are neither pruned nor left out of the usual load.
  std::string sureDayKey() const;
  // Local midnight of the day on show (today while no past day is browsed).
  Date shownDayStart() const;

  // Ports.
  void loadPorts();
  void scanGpuHolders();
  void refreshPorts(std::chrono::milliseconds after) override;

  // Reported by the history database (on its queue) and shown as toasts.
  void reportHistoryProblem(const HistoryProblem& problem);
  // The history opened late (a disk that was full at the start took writes again): what the
  // start read from it is read now.
  void historyOpened();
  HistoryDB* history() const { return history_.get(); }
  const Clock& clock() const { return clock_; }

  // Alerts, quitting, quiet mode, keep awake, mute, the busy state and taming.
  void setRules(std::vector<AlertRule> rules) override;
  int enabledRuleCount() const;
  // Whether a desktop notification service takes alerts (as the session bus says, kept current
  // by the program); without one they arrive as toasts only.
  void setNotificationsAvailable(bool available);
  // "Alerted once today at HH:mm" for a rule that fired today; none otherwise.
  std::optional<std::string> firedText(const std::string& id) const;
  // Ends processes (SIGTERM, or SIGKILL with `force`) and reports the outcome in one toast.
  void quit(const std::vector<std::int32_t>& pids, bool force) override;
  void toggleQuiet() override;
  void toggleAwake() override;
  void toggleMute() override;
  // Gives every throttled pid its priority back; the pids whose priority could not be restored.
  std::vector<std::int32_t> restoreThrottled();
  bool isMuted() const;
  std::string awakeNote() const;
  std::string muteNote() const;
  std::string quietNote() const;
  std::vector<MenuBarPart> menuBarParts() const;
  // Whether slowing `proc` down could be undone on this computer.
  bool slowingReversible(const ProcInfo& proc) override;
  void setTame(std::optional<TameMode> mode, const std::string& key) override;
  void releaseTamed(std::int32_t pid);
  // Lets go of every process of an app; how many stay slowed.
  int releaseTamed(const std::string& key);
  void releaseAllTamed();

  // Insights: findings, the replay, per-app usage and profiles, the battery forecast, memory advice.
  void setIncident(std::optional<Incident> incident) override;
  // Adds this tick's processes, measured at `now`, to the running per-app sums; the sums of an
  // earlier hour are filed first.
  void recordApps(const std::vector<ProcInfo>& procs, Date now);
  // Adds the sums to the hour they were measured in and starts new ones.
  void flushApps();
  AppProfile profile(const std::string& key) override;
  std::optional<RuntimeForecast> runtimeForecast() const;
  // Whether memory advice should show now (on from 60 % pressure until it drops below 50 %).
  bool memoryAdviceWanted() override;
  std::vector<MemSuggestion> memorySuggestions() const;
  // Asks every running instance of these apps to quit; the outcome is a toast.
  void quitApps(const std::vector<std::string>& keys) override;

  // Day browsing, day events, the status headline and the usual load.
  // The slots on show: the browsed past day's, else today's.
  const std::vector<std::optional<DayBucket>>& shownDay() const { return dayView_.viewDay ? dayView_.pastDay : dayView_.day; }
  // Shows a past day; nothing or today's key goes back to today.
  void showDay(std::optional<std::string> key) override;
  void stepDay(int delta) override;
  bool canStepDay(int delta) const;
  std::string dayTitle(const std::optional<std::string>& key) const;
  std::string slotLabel(int slot) const;
  // "Mar 5" in the interface language; the key itself when it is not a day.
  std::string shortDay(const std::string& key) const;
  int maxSlot() const;
  // Picks a slot (or a second in live mode); the newest one of today stands for the present. A slot
  // beside a day's event picks the event's slot.
  void select(int slot) override;
  Moment moment() const;
  std::vector<DayEvent> events() const;
  // The event of the selected slot of the day shown, if any.
  std::optional<DayEvent> selectedEvent() const;
  StatusLine status() const;
  std::optional<ProcInfo> topProc() const;
  std::string thermalText() const;
  // The process table: the search applied, in the chosen order.
  std::vector<ProcInfo> visibleProcs() const;
  // Deletes all stored history; the outcome is a toast.
  void eraseHistory() override;
  std::string baselineNote() const;
  // How many times its usual load the current ten minutes run at, from twice up.
  std::optional<double> busierThanUsual() const;
  void dismiss(const Finding& finding) override;
  // Sleep history.
  void setSleepReport(std::optional<SleepSession> session) override;
  // Shows the stored sleeps, reads the system's log once and starts watching sleep and wake.
  void installSleepWatch();
  // The watch's descriptor for the host's event loop (-1 without a watch); call
  // processSleepWatch() whenever it is readable.
  int sleepWatchFd() const;
  void processSleepWatch();
  // What the watch reports: the system is about to sleep, or has just woken.
  void noteWillSleep();
  void noteDidWake();
  // The last sleep of an hour or more, while it ended less than 16 hours ago.
  std::optional<SleepSession> lastSleep() const;
  // Mean battery drop in percent per hour over the other long sleeps on battery (at least 3).
  std::optional<double> usualDropPerHour(const SleepSession& excluding) const;
  std::vector<SleepSpan> sleepSpans() const;
  std::optional<SleepSession> selectedSleep() const;
  std::optional<SleepWake> selectedWake() const;
  std::string sleepSummary(const SleepSession& session) const;

  // Day marks.
  // The marks of the day on show: the browsed past day's, else today's.
  const std::vector<DayMark>& shownMarks() const { return dayView_.viewDay ? pastMarks_ : dayView_.marks; }
  void installMarkWatch();
  // After the ten-tick readers' results are published: power source, network, screens, launches.
  void noteSlowChanges();
  void addMark(std::string kind, std::string arg);
  std::vector<DayMark> selectedMarks() const;
  // The latest mark in the event's slot or the three before it.
  std::optional<DayMark> markBefore(const DayEvent& event) const;

  // Stretches.
  void setStretchReport(std::optional<Stretch> stretch) override;
  void startStretch() override;
  void recordStretch(const std::vector<ProcInfo>& procs);
  void stopStretch() override;
  void loadStretches();
  // "mm:ss", or "h:mm:ss" from an hour, of the ticks recorded.
  std::string recordingText() const;
  void rename(const Stretch& stretch, const std::string& name) override;
  void deleteStretch(const Stretch& stretch) override;
  // The other stretches that start on the same day, latest first.
  std::vector<Stretch> otherStretches(const Stretch& sameDayAs) const;
  std::vector<StretchSpan> stretchSpans() const;
  std::optional<Stretch> selectedStretch() const;

  // Picture export: the day on show summed up, and the summary being exported (none: no export).
  PosterData posterData() const;
  void setExporting(std::optional<PosterData> data) override;

 private:
  template <class T>
  void assign(T& field, T value, Notice::Topics concerns) {
    if (field == value) return;
    field = std::move(value);
    changed(concerns);
  }
  // Marks these parts changed; their followers hear of it in the next main-loop turn.
  void changed(Notice::Topics concerns);
  // Takes the toast down 2.2 s from now if it still shows `toast`.
  void clearToastLater(const std::string& toast);
  // Posts `work` to the main thread; it is dropped if the store is gone by then.
  void onMain(std::function<void()> work);
  void onMainAfter(std::chrono::milliseconds delay, std::function<void()> work);
  Snapshot takeSample();
  // apply's steps, in the order it takes them.
  void keepReadings(const Snapshot& s);
  void keepProcesses(std::vector<ProcInfo> procs);
  void keepSlowReadings(Snapshot& s);
  void pushHistories(const Snapshot& s);
  void recordTick(const Snapshot& s, Date now);
  void maintainAfterTick(int tick, Date now);
  // One sampling, and the per-app traffic when due, handed to the main thread together.
  void sampleAndHandOver();
  // Whether there is anything for the sampler queue to read (tests may give the traffic alone).
  bool samples() const;
  // The tick's readers besides the sampling: bluetooth, ports, the GPU's holders.
  void sampleAside();
  void takeTraffic(std::optional<std::map<std::int32_t, NetUse>> use);
  void readSettings();
  void rollOver(const std::string& key);
  // Called after a slot of the current day was saved.
  void savedToday();
  void loadStoredDay(const std::string& key);
  // Before `key` becomes the current day: whether this run's clock jumped past the stored
  // history, in which case the days it writes are marked as no reference for the retention.
  void checkClockJump(const std::string& key);
  static double memFraction(const MemSample& m);

  const Clock& clock_;
  Executor& main_;
  Defaults& defaults_;
  std::unique_ptr<SystemSource> system_;
  std::unique_ptr<ProcessSource> processes_;
  std::unique_ptr<TrafficSource> traffic_;
  std::unique_ptr<PortSource> portSource_;
  std::unique_ptr<BluetoothSource> bluetoothSource_;
  std::unique_ptr<HistoryDB> history_;
  Desktop* desktop_ = nullptr;
  const std::chrono::milliseconds trafficPause_;
  // Cleared when the store goes: work posted to the main thread checks it first.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  // Mutable: views that only read the store follow it too.
  mutable Notice notice_;
  bool notifyPending_ = false;

  Navigation navigation_;
  bool toastsWaitToBeSeen_ = false;
  bool toastWaiting_ = false;  // the toast's time has not started: no view was on screen
  std::set<const void*> toastViewers_;
  std::vector<SettingValue> settings_;  // by SettingDeclaration::index
  Taming taming_;
  const Date launchDate_;
  const Seconds launchBoot_;  // the clock's time since boot at launchDate_

  LiveReadings liveReadings_;
  ProcessList processList_;
  std::vector<double> corePeaks_;  // kernel order
  std::vector<int> peakAge_;
  DayView dayView_;
  std::string dayKey_;
  int lastSavedSlot_ = -1;
  std::string prunedDay_;  // the day whose first save has run the prune
  bool clockJumped_ = false;  // the current day lies far past the history stored before it

  // Alerts, quitting, quiet mode, keep awake, mute, the busy state and taming.
  void loadRules();
  void saveRules();
  void checkRules();
  void notify(const std::string& title, const std::string& body);
  void updateMenuBusy();
  void maintainMenuFeatures(const std::vector<ProcInfo>& procs);
  void installTamer();
  void maintainTaming(const std::vector<ProcInfo>& procs);
  // maintainTaming's steps: forget the held processes that ended, then hold or let go one.
  void forgetEndedTamed(const std::vector<ProcInfo>& procs);
  void tameOne(const ProcInfo& p, const std::optional<std::string>& frontKey, std::int32_t self);
  void persistPaused();
  // The paused processes as persistPaused() last wrote them down, for lastWords().
  std::mutex pausedMutex_;
  std::vector<ProcessIdentity> pausedNow_;
  // Releases one tamed pid; how its priority came back, for a slowed one.
  RestoreOutcome letGo(std::int32_t pid);
  std::string nameOf(std::int32_t pid) const;
  // The app in front, or nothing in front; none when this desktop can't tell (then says so once
  // per stretch).
  std::optional<FrontApp> knownFrontOrExplain();
  bool frontKnown() const;
  void explainUnknownFront();
  // Lets go of everything lowered, paused or held on the way out (no toasts).
  void releaseOnExit();
  SettingsView settingsView_;
  std::map<std::string, std::int64_t> ruleCounters_;
  std::function<void()> quitProgram_;
  InhibitLock awakeLock_;
  BackgroundPriority priority_;
  bool frontUnknownTold_ = false;

  // Insights.
  void handle(const std::vector<Finding>& found, Date now);
  void noteFrontApp(Date now);
  std::optional<std::int32_t> frontPid() const;
  std::optional<std::string> frontAppKey() const;
  std::string appName(const std::string& key) const;
  // Ends the version look-ups and writes what is queued; before the history closes.
  void finishAppVersions();
  InsightFindings insightFindings_;
  std::map<std::string, AppUsage> appUsage_;
  std::optional<std::pair<std::string, int>> appHour_;  // day key and hour of the sums
  std::map<std::string, std::string> appExecutables_;  // app key → the executable its version is asked for
  std::map<std::string, Date> lastFront_;
  std::function<std::string(const std::string&)> packageVersion_;
  std::function<std::optional<bool>(std::int32_t)> holdsGpu_;
  std::map<std::string, std::string> appVersions_;  // only on `appVersionQueue_`
  std::atomic<bool> askPackages_{true};
  SerialQueue appVersionQueue_{"qel.appversions"};

  // Day browsing and the usual load.
  void restoreBaseline();  // the usual load as stored
  void foldPastDays();     // adds the finished days not yet in the usual load
  // After an erase: nothing of the old history stays in memory; `note` is a clean-up that failed.
  void forgetHistory(const std::string& note);
  std::vector<DayEvent> pastFlagged_;
  // Sleep history, day marks and stretches.
  void reloadSleeps();
  // `rememberedAfter`: a remembered sleep start before it belongs to an earlier sleep.
  void refreshSleepLog(std::optional<Date> wokeAt, Date rememberedAfter = {});
  void sleepWatchSaysSleeping(bool sleeping);
  std::optional<AppEntry> appEntry(const std::string& key) const;
  // A process's app name: its application's, or its own.
  std::string appName(const ProcInfo& p) const;
  std::function<std::optional<std::vector<SleepSession>>()> sleepLog_;
  bool watchSleep_ = false;
  std::unique_ptr<SleepWatch> sleepWatch_;
  SleepRecord sleepRecord_;
  std::optional<Date> lastWake_;
  std::vector<DayMark> pastMarks_;
  std::optional<bool> markPower_;
  std::optional<bool> markOnline_;
  int markScreens_ = 0;
  bool markWatch_ = false;
  std::optional<std::set<std::string>> markApps_;  // application keys seen at the last slow tick
  StretchLog stretchLog_;

  // Tick bookkeeping (main thread), except `tick_` and `trafficCountdown_`, which only the
  // sampler queue touches.
  int tick_ = 0;
  int trafficCountdown_ = 0;
  std::atomic<bool> samplingBusy_{false};  // a sample is being taken or waits for the main thread
  std::chrono::milliseconds tickInterval_{0};  // 0: the host calls sampleOnce()
  bool portBusy_ = false;
  int portCountdown_ = 0;
  bool gpuHolderBusy_ = false;
  int gpuHolderCountdown_ = 0;
  bool bluetoothBusy_ = false;
  int bluetoothCountdown_ = 0;
  std::map<std::int32_t, NetUse> netUse_;
  bool shutDown_ = false;

  // Last: the queues stop (and join) before the fields above go away.
  SerialQueue queue_{"qel.sampler"};  // the tick's sampling and the per-app traffic
  // The occasional readers and senders, one after another: bluetooth, the listening ports, the
  // GPU's holders, the system's sleep log and the notifications.
  SerialQueue asideQueue_{"qel.readers"};
};

}  // namespace qel
