#pragma once
// The one state object of the program. It runs the one-second tick (the sampling on serial
// queues, everything else on the main thread), keeps the live histories and today's slots,
// holds the settings, and publishes all of it to the views: every change marks the store
// changed, and subscribers hear of it once per main-loop turn.
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/History/StretchRecorder.hpp"
#include "Qel/Platform/AppRegistry.hpp"
#include "Qel/Platform/Clock.hpp"
#include "Qel/Platform/Defaults.hpp"
#include "Qel/Platform/Executor.hpp"
#include "Qel/Platform/SerialQueue.hpp"
#include "Qel/Store/DayBucket.hpp"
#include "Qel/Store/DayEvent.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/SlotSpan.hpp"
#include "Qel/Store/Snapshot.hpp"
#include "Qel/Store/Sources.hpp"

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
  // The rest between two per-app traffic reads (tests shorten it).
  std::chrono::milliseconds trafficPause{2000};
  // Opens the history database with the store's problem handler; none: nothing is stored.
  std::function<std::unique_ptr<HistoryDB>(HistoryDB::ProblemHandler)> openHistory;
  // Names the applications processes belong to (launch marks, stretch apps); may be null.
  AppRegistry* apps = nullptr;
  // Reads the sleeps the system logged (off the main thread; absent: no log). None: no log.
  std::function<std::optional<std::vector<SleepSession>>()> sleepLog;
  // Watch the system's sleep and wake on the system bus.
  bool watchSleep = false;
};

class Store {
 public:
  explicit Store(StoreServices services);
  // Stops the queues (finishing the work they run) before anything they use goes away.
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  // The start-up after construction: loads the day and takes the first sample. The host then
  // calls sampleOnce() once a second.
  void start();
  // The orderly end: saves the day, then waits (bounded) for the history to be written.
  void shutdown();

  // Observation: `changed` runs on the main thread once per main-loop turn after any change.
  using Subscription = std::size_t;
  Subscription subscribe(std::function<void()> changed);
  void unsubscribe(Subscription id);

  void setDesktop(Desktop* desktop) { desktop_ = desktop; }
  Desktop* desktop() const { return desktop_; }

  // The tick.
  void sampleOnce();
  void apply(const Snapshot& snapshot);

  // Views and their state.
  Page page() const { return page_; }
  void setPage(Page page);
  RingMode ringMode() const { return ringMode_; }
  void setRingMode(RingMode mode);
  std::optional<int> selectedSlot() const { return selectedSlot_; }
  void setSelectedSlot(std::optional<int> slot);
  SortKey sort() const { return sort_; }
  void setSort(SortKey key);
  const std::string& query() const { return query_; }
  void setQuery(std::string query);
  const std::set<std::int32_t>& selection() const { return selection_; }
  void setSelection(std::set<std::int32_t> selection);
  std::optional<std::int32_t> detailPID() const { return detailPID_; }
  void setDetailPID(std::optional<std::int32_t> pid);
  const std::optional<std::string>& toast() const { return toast_; }
  void show(std::string toast);
  bool showingSettings() const { return showingSettings_; }
  void setShowingSettings(bool on);
  void openSettings() { setShowingSettings(true); }
  bool showingLicenses() const { return showingLicenses_; }
  void setShowingLicenses(bool on);
  const std::string& settingsTab() const { return settingsTab_; }
  void setSettingsTab(std::string tab);
  const std::string& portQuery() const { return portQuery_; }
  void setPortQuery(std::string query);
  std::optional<Date> mutedUntil() const { return mutedUntil_; }
  void setMutedUntil(std::optional<Date> until);

  // Settings, written back at every assignment.
  const std::string& language() const { return language_; }
  void setLanguage(std::string language);
  const std::set<std::string>& menuItems() const { return menuItems_; }
  void setMenuItems(std::set<std::string> items);
  const std::string& tabValues() const { return tabValues_; }
  void setTabValues(std::string style);
  const std::string& menuIconStyle() const { return menuIconStyle_; }
  void setMenuIconStyle(std::string style);
  const std::string& appearance() const { return appearance_; }
  void setAppearance(std::string appearance);
  bool dockLoad() const { return dockLoad_; }
  void setDockLoad(bool on);
  const std::map<std::string, std::string>& tameRules() const { return tameRules_; }
  void setTameRules(std::map<std::string, std::string> rules);
  int keepDays() const { return keepDays_; }
  void setKeepDays(int days);
  // Deletes stored days older than the retention (none below 1 day).
  void pruneHistory();

  // The machine as last sampled.
  const CPUSample& cpu() const { return cpu_; }
  const MemSample& mem() const { return mem_; }
  double netDown() const { return netDown_; }
  double netUp() const { return netUp_; }
  double diskRead() const { return diskRead_; }
  double diskWrite() const { return diskWrite_; }
  std::uint64_t diskFree() const { return diskFree_; }
  std::uint64_t diskTotal() const { return diskTotal_; }
  const DiskDetail& diskDetail() const { return diskDetail_; }
  const std::vector<VolumeInfo>& volumes() const { return volumes_; }
  const BatterySample& battery() const { return battery_; }
  double load() const { return load_; }
  ThermalState thermal() const { return thermal_; }
  const std::vector<ProcInfo>& procs() const { return procs_; }
  const std::optional<GPUSample>& gpu() const { return gpu_; }
  std::optional<double> power() const { return power_; }
  bool energyMeasured() const { return energyMeasured_; }
  const std::vector<WakeHolder>& wake() const { return wake_; }
  const std::vector<NetAddress>& addresses() const { return addresses_; }
  const std::vector<BTDevice>& bluetooth() const { return bluetooth_; }
  const std::vector<PortEntry>& ports() const { return ports_; }
  bool portsAvailable() const { return portsAvailable_; }
  bool netPerApp() const { return netPerApp_; }
  // The first process with that pid in the last sample.
  std::optional<ProcInfo> proc(std::int32_t pid) const;
  // Watts of all processes together, as estimated.
  double procWatts() const;

  // Live histories: sixty values each, oldest first.
  const std::vector<double>& cpuHist() const { return cpuHist_; }
  const std::vector<double>& memHist() const { return memHist_; }
  const std::vector<double>& netHist() const { return netHist_; }
  const std::vector<double>& netUpHist() const { return netUpHist_; }
  const std::vector<double>& diskHist() const { return diskHist_; }
  const std::vector<double>& diskReadHist() const { return diskReadHist_; }
  const std::vector<double>& diskWriteHist() const { return diskWriteHist_; }
  const std::vector<double>& gpuHist() const { return gpuHist_; }
  const std::vector<double>& powerHist() const { return powerHist_; }
  const std::vector<double>& corePeaks() const { return corePeaks_; }
  const std::map<std::int32_t, std::vector<double>>& energyByPid() const { return energyByPid_; }
  const std::map<std::int32_t, std::string>& energyNames() const { return energyNames_; }

  // Today.
  const std::vector<std::optional<DayBucket>>& day() const { return day_; }
  const std::vector<DayEvent>& flaggedEvents() const { return flaggedEvents_; }
  const std::vector<std::string>& recordedDays() const { return recordedDays_; }
  std::uint64_t historySize() const { return historySize_; }
  void record(double cpu, double mem, double pressure, Date now);
  void saveDay();
  void loadDay();
  void refreshHistoryInfo();
  int nowSlot() const;
  // The store's day key, or today's when none is set yet.
  std::string todayKey() const;
  // Local midnight of the day on show (today while no past day is browsed).
  Date shownDayStart() const;
  std::optional<std::string> viewDay() const { return viewDay_; }

  // Ports.
  void loadPorts();
  void refreshPorts(std::chrono::milliseconds after);

  // Reported by the history database (on its queue) and shown as toasts.
  void reportHistoryProblem(const HistoryProblem& problem);

  int tick() const { return tickSeen_; }
  HistoryDB* history() const { return history_.get(); }
  const Clock& clock() const { return clock_; }

  // Sleep history.
  const std::vector<SleepSession>& sleeps() const { return sleeps_; }
  const std::optional<SleepSession>& sleepReport() const { return sleepReport_; }
  void setSleepReport(std::optional<SleepSession> session);
  // A read of the system's log is under way.
  bool sleepBusy() const { return sleepBusy_; }
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
  // lastSleep() as of the last tick, for the menu panel.
  const std::optional<SleepSession>& sleepAtOpen() const { return sleepAtOpen_; }
  // Mean battery drop in percent per hour over the other long sleeps on battery (at least 3).
  std::optional<double> usualDropPerHour(const SleepSession& excluding) const;
  std::vector<SleepSpan> sleepSpans() const;
  std::optional<SleepSession> selectedSleep() const;
  std::optional<SleepWake> selectedWake() const;
  std::string sleepSummary(const SleepSession& session) const;

  // Day marks.
  const std::vector<DayMark>& marks() const { return marks_; }
  void installMarkWatch();
  // After the ten-tick readers' results are published: power source, network, screens, launches.
  void noteSlowChanges();
  void addMark(std::string kind, std::string arg);
  std::vector<DayMark> selectedMarks() const;
  // The latest mark in the event's slot or the three before it.
  std::optional<DayMark> markBefore(const DayEvent& event) const;

  // Stretches.
  const std::vector<Stretch>& stretches() const { return stretches_; }
  const std::optional<Stretch>& stretchReport() const { return stretchReport_; }
  void setStretchReport(std::optional<Stretch> stretch);
  const std::optional<StretchRecorder>& recording() const { return recording_; }
  void startStretch();
  void recordStretch(const std::vector<ProcInfo>& procs);
  void stopStretch();
  void loadStretches();
  // "mm:ss", or "h:mm:ss" from an hour, of the ticks recorded.
  std::string recordingText() const;
  void rename(const Stretch& stretch, const std::string& name);
  void deleteStretch(const Stretch& stretch);
  // The other stretches that start on the same day, latest first.
  std::vector<Stretch> otherStretches(const Stretch& sameDayAs) const;
  std::vector<StretchSpan> stretchSpans() const;
  std::optional<Stretch> selectedStretch() const;

 private:
  template <class T>
  void assign(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    changed();
  }
  void changed();
  // Posts `work` to the main thread; it is dropped if the store is gone by then.
  void onMain(std::function<void()> work);
  void onMainAfter(std::chrono::milliseconds delay, std::function<void()> work);
  Snapshot takeSample();
  void readSettings();
  void rollOver(const std::string& key);
  void loadStoredDay(const std::string& key);
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

  std::map<Subscription, std::function<void()>> subscribers_;
  Subscription nextSubscription_ = 1;
  bool notifyPending_ = false;

  Page page_ = Page::overview;
  std::string language_;
  RingMode ringMode_ = RingMode::day;
  std::optional<int> selectedSlot_;
  SortKey sort_ = SortKey::cpu;
  std::string query_;
  std::set<std::int32_t> selection_;
  std::optional<std::int32_t> detailPID_;
  std::optional<std::string> toast_;
  bool showingSettings_ = false;
  bool showingLicenses_ = false;
  std::string settingsTab_ = "general";
  std::optional<Date> mutedUntil_;
  std::vector<BTDevice> bluetooth_;
  std::set<std::string> menuItems_;
  std::string tabValues_;
  std::string menuIconStyle_;
  std::string appearance_;
  bool dockLoad_ = true;
  std::map<std::string, std::string> tameRules_;
  const Date launchDate_;
  std::vector<DayEvent> flaggedEvents_;
  std::optional<std::string> viewDay_;
  std::vector<std::string> recordedDays_;
  std::uint64_t historySize_ = 0;
  int keepDays_ = 30;

  CPUSample cpu_;
  MemSample mem_;
  double netDown_ = 0, netUp_ = 0, diskRead_ = 0, diskWrite_ = 0;
  std::uint64_t diskFree_ = 0, diskTotal_ = 0;
  DiskDetail diskDetail_;
  std::vector<VolumeInfo> volumes_;
  BatterySample battery_;
  double load_ = 0;
  ThermalState thermal_ = ThermalState::nominal;
  std::vector<ProcInfo> procs_;
  std::optional<GPUSample> gpu_;
  std::optional<double> power_;
  bool energyMeasured_ = false;
  std::vector<WakeHolder> wake_;
  std::vector<NetAddress> addresses_;
  std::vector<PortEntry> ports_;
  bool portsAvailable_ = true;
  std::string portQuery_;
  bool netPerApp_ = false;
  std::vector<double> cpuHist_, memHist_, netHist_, netUpHist_, diskHist_, diskReadHist_, diskWriteHist_,
      gpuHist_, powerHist_;
  std::vector<double> corePeaks_;
  std::vector<int> peakAge_;
  std::map<std::int32_t, std::vector<double>> energyByPid_;
  std::map<std::int32_t, std::string> energyNames_;
  std::vector<std::optional<DayBucket>> day_;
  std::string dayKey_;
  int lastSavedSlot_ = -1;

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
  AppRegistry* apps_ = nullptr;
  std::unique_ptr<SleepWatch> sleepWatch_;
  std::vector<SleepSession> sleeps_;
  std::optional<SleepSession> sleepReport_;
  std::optional<SleepSession> sleepAtOpen_;
  bool sleepBusy_ = false;
  std::optional<Date> lastWake_;
  std::vector<DayMark> marks_;
  std::vector<DayMark> pastMarks_;
  std::optional<bool> markPower_;
  std::optional<bool> markOnline_;
  int markScreens_ = 0;
  bool markWatch_ = false;
  std::optional<std::set<std::string>> markApps_;  // application keys seen at the last slow tick
  std::vector<Stretch> stretches_;
  std::optional<Stretch> stretchReport_;
  std::optional<StretchRecorder> recording_;

  // Tick bookkeeping (main thread), except `tick_`, which only the sampler queue touches.
  int tick_ = 0;
  int tickSeen_ = 0;
  bool samplingBusy_ = false;
  bool netBusy_ = false;
  bool portBusy_ = false;
  int portCountdown_ = 0;
  bool bluetoothBusy_ = false;
  int bluetoothCountdown_ = 0;
  std::map<std::int32_t, NetUse> netUse_;
  bool shutDown_ = false;

  // Last: the queues stop (and join) before the fields above go away.
  SerialQueue queue_{"qel.sampler"};
  SerialQueue netQueue_{"qel.nettop"};
  SerialQueue portQueue_{"qel.ports"};
  SerialQueue bluetoothQueue_{"qel.bluetooth"};
  SerialQueue sleepQueue_{"qel.sleep"};
};

}  // namespace qel
