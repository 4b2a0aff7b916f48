// Each part's state as the store holds it, and what the store works out from several parts (a
// summary, a selection, words): defined here so that a view given a part compiles without the
// store's own header.
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

LiveState::LiveState(const Store& store) : StorePart(store), state_(store.liveReadings()) {}
std::string LiveState::thermalText() const { return store_.thermalText(); }
double LiveState::procWatts() const { return store_.procWatts(); }
std::optional<double> LiveState::busierThanUsual() const { return store_.busierThanUsual(); }

ProcessState::ProcessState(const Store& store) : StorePart(store), state_(store.processList()) {}
std::optional<ProcInfo> ProcessState::proc(std::int32_t pid) const { return store_.proc(pid); }
std::vector<ProcInfo> ProcessState::visibleProcs() const { return store_.visibleProcs(); }
std::optional<ProcInfo> ProcessState::topProc() const { return store_.topProc(); }

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
