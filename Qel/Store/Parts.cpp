// The parts' readings, each taken from the store as it stands: defined here so that a view given
// a part compiles without the store's own header.
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"
#include "Qel/Store/Parts/SleepState.hpp"
#include "Qel/Store/Parts/StretchState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

Notice::Part partChanges(const Store& store, Notice::Topics concerns) { return store.changes(concerns); }

const CPUSample& LiveState::cpu() const { return store_.cpu(); }
const ChipInfo& LiveState::chip() const { return store_.chip(); }
const MemSample& LiveState::mem() const { return store_.mem(); }
double LiveState::netDown() const { return store_.netDown(); }
double LiveState::netUp() const { return store_.netUp(); }
double LiveState::diskRead() const { return store_.diskRead(); }
double LiveState::diskWrite() const { return store_.diskWrite(); }
std::uint64_t LiveState::diskFree() const { return store_.diskFree(); }
std::uint64_t LiveState::diskTotal() const { return store_.diskTotal(); }
const DiskDetail& LiveState::diskDetail() const { return store_.diskDetail(); }
const std::vector<VolumeInfo>& LiveState::volumes() const { return store_.volumes(); }
const BatterySample& LiveState::battery() const { return store_.battery(); }
double LiveState::load() const { return store_.load(); }
ThermalState LiveState::thermal() const { return store_.thermal(); }
std::string LiveState::thermalText() const { return store_.thermalText(); }
const std::optional<GPUSample>& LiveState::gpu() const { return store_.gpu(); }
std::optional<double> LiveState::power() const { return store_.power(); }
const std::vector<WakeHolder>& LiveState::wake() const { return store_.wake(); }
const std::vector<NetAddress>& LiveState::addresses() const { return store_.addresses(); }
const std::vector<BTDevice>& LiveState::bluetooth() const { return store_.bluetooth(); }
double LiveState::procWatts() const { return store_.procWatts(); }
const std::vector<double>& LiveState::cpuHist() const { return store_.cpuHist(); }
const std::vector<double>& LiveState::memHist() const { return store_.memHist(); }
const std::vector<double>& LiveState::netHist() const { return store_.netHist(); }
const std::vector<double>& LiveState::netUpHist() const { return store_.netUpHist(); }
const std::vector<double>& LiveState::diskHist() const { return store_.diskHist(); }
const std::vector<double>& LiveState::diskReadHist() const { return store_.diskReadHist(); }
const std::vector<double>& LiveState::diskWriteHist() const { return store_.diskWriteHist(); }
const std::vector<double>& LiveState::gpuHist() const { return store_.gpuHist(); }
const std::vector<double>& LiveState::powerHist() const { return store_.powerHist(); }
const CoreOrder& LiveState::cores() const { return store_.cores(); }
const std::map<std::int32_t, std::vector<double>>& LiveState::energyByPid() const { return store_.energyByPid(); }
const std::map<std::int32_t, std::string>& LiveState::energyNames() const { return store_.energyNames(); }
int LiveState::tick() const { return store_.tick(); }
bool LiveState::menuBusy() const { return store_.menuBusy(); }
std::optional<double> LiveState::busierThanUsual() const { return store_.busierThanUsual(); }
bool LiveState::wakeReadable() const { return store_.wakeReadable(); }

const std::vector<ProcInfo>& ProcessState::procs() const { return store_.procs(); }
std::optional<ProcInfo> ProcessState::proc(std::int32_t pid) const { return store_.proc(pid); }
std::vector<ProcInfo> ProcessState::visibleProcs() const { return store_.visibleProcs(); }
std::optional<ProcInfo> ProcessState::topProc() const { return store_.topProc(); }
const std::string& ProcessState::query() const { return store_.query(); }
SortKey ProcessState::sort() const { return store_.sort(); }
const std::set<std::int32_t>& ProcessState::selection() const { return store_.selection(); }
const std::vector<PortEntry>& ProcessState::ports() const { return store_.ports(); }
bool ProcessState::portsAvailable() const { return store_.portsAvailable(); }
bool ProcessState::portsRead() const { return store_.portsRead(); }
const GpuHolders& ProcessState::gpuHolders() const { return store_.gpuHolders(); }
const std::string& ProcessState::portQuery() const { return store_.portQuery(); }
bool ProcessState::netPerApp() const { return store_.netPerApp(); }
AppRegistry* ProcessState::apps() const { return store_.apps(); }

DayState::DayState(const Store& store) : StorePart(store), state_(store.dayView()) {}
const std::vector<std::optional<DayBucket>>& DayState::shownDay() const { return store_.shownDay(); }
std::vector<DayEvent> DayState::events() const { return store_.events(); }
std::optional<DayEvent> DayState::selectedEvent() const { return store_.selectedEvent(); }
Moment DayState::moment() const { return store_.moment(); }
int DayState::nowSlot() const { return store_.nowSlot(); }
int DayState::maxSlot() const { return store_.maxSlot(); }
bool DayState::canStepDay(int delta) const { return store_.canStepDay(delta); }
std::string DayState::dayTitle(const std::optional<std::string>& key) const { return store_.dayTitle(key); }
std::string DayState::slotLabel(int slot) const { return store_.slotLabel(slot); }
std::string DayState::shortDay(const std::string& key) const { return store_.shortDay(key); }
std::string DayState::todayKey() const { return store_.todayKey(); }
Date DayState::shownDayStart() const { return store_.shownDayStart(); }
const std::vector<DayMark>& DayState::shownMarks() const { return store_.shownMarks(); }
std::vector<DayMark> DayState::selectedMarks() const { return store_.selectedMarks(); }
std::optional<DayMark> DayState::markBefore(const DayEvent& event) const { return store_.markBefore(event); }
StatusLine DayState::status() const { return store_.status(); }
std::string DayState::baselineNote() const { return store_.baselineNote(); }
PosterData DayState::posterData() const { return store_.posterData(); }
std::vector<SleepSpan> DayState::sleepSpans() const { return store_.sleepSpans(); }
std::vector<StretchSpan> DayState::stretchSpans() const { return store_.stretchSpans(); }

InsightState::InsightState(const Store& store) : StorePart(store), state_(store.insightFindings()) {}
std::optional<RuntimeForecast> InsightState::runtimeForecast() const { return store_.runtimeForecast(); }
std::vector<MemSuggestion> InsightState::memorySuggestions() const { return store_.memorySuggestions(); }

SleepState::SleepState(const Store& store) : StorePart(store), state_(store.sleepRecord()) {}
std::optional<SleepSession> SleepState::lastSleep() const { return store_.lastSleep(); }
std::optional<double> SleepState::usualDropPerHour(const SleepSession& excluding) const { return store_.usualDropPerHour(excluding); }
std::optional<SleepSession> SleepState::selectedSleep() const { return store_.selectedSleep(); }
std::optional<SleepWake> SleepState::selectedWake() const { return store_.selectedWake(); }
std::string SleepState::sleepSummary(const SleepSession& session) const { return store_.sleepSummary(session); }

StretchState::StretchState(const Store& store) : StorePart(store), state_(store.stretchLog()) {}
std::string StretchState::recordingText() const { return store_.recordingText(); }
std::vector<Stretch> StretchState::otherStretches(const Stretch& sameDayAs) const { return store_.otherStretches(sameDayAs); }
std::optional<Stretch> StretchState::selectedStretch() const { return store_.selectedStretch(); }

TamingState::TamingState(const Store& store) : StorePart(store), state_(store.taming()) {}
bool TamingState::isMuted() const { return store_.isMuted(); }
std::string TamingState::awakeNote() const { return store_.awakeNote(); }
std::string TamingState::muteNote() const { return store_.muteNote(); }
std::string TamingState::quietNote() const { return store_.quietNote(); }

SettingsState::SettingsState(const Store& store) : StorePart(store), state_(store.settingsView()) {}
const SettingValue& SettingsState::value(const SettingDeclaration& setting) const {
  return store_.settingValue(setting);
}
int SettingsState::enabledRuleCount() const { return store_.enabledRuleCount(); }
std::optional<std::string> SettingsState::firedText(const std::string& id) const { return store_.firedText(id); }
std::vector<MenuBarPart> SettingsState::menuBarParts() const { return store_.menuBarParts(); }

NavigationState::NavigationState(const Store& store) : StorePart(store), state_(store.navigation()) {}
}  // namespace qel
