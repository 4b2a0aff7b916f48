// The sheets in every language once alert rules have fired (while alerts are paused): every
// settings tab and every other sheet keeps to its viewport, and the settings cut no text.
// German, Japanese and Russian go to the screenshot gallery.
#include <gtest/gtest.h>

#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>

#include <chrono>

#include "Qel/App/MainViews.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Processes/ProcessDetail.hpp"
#include "Qel/Sheets/Settings/SettingsSheet.hpp"
#include "Qel/Store/AlertRule.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/InEveryLanguage.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/support/SettingsSheetEnv.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"

using namespace qel;

namespace {

using Machine = test::BusyAfternoon::Machine;

class SheetsInEveryLanguage : public test::InEveryLanguage {};

// The scroll areas of `window` whose content is wider than their viewport: what sticks out lies
// under the scroll bar or past the window's edge, with no way to scroll to it.
std::vector<std::string> widerThanViewport(const QWidget& window) {
  std::vector<std::string> out;
  for (const QScrollArea* area : window.findChildren<QScrollArea*>()) {
    const QWidget* content = area->widget();
    if (!content || !area->isVisibleTo(&window) || area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) continue;
    if (content->width() > area->viewport()->width())
      out.push_back(QString("%1 wide in a viewport of %2").arg(content->width()).arg(area->viewport()->width()).toStdString());
  }
  return out;
}

// Fires every rule a sample can set off (the CPU, memory pressure, the heat, one process's CPU)
// while alerts are paused, so their rows say when they fired and the pause switch is on.
void fireRules(test::BusyAfternoon& day) {
  Store& store = *day.store;
  store.setMutedUntil(day.clock.now() + std::chrono::hours(1));
  auto rules = store.settingsView().rules;
  for (auto& rule : rules) {
    const RuleMeta& meta = Rules::meta().at(rule.id);
    rule.on = true;
    rule.sustain = 0;
    rule.threshold = meta.below ? meta.rangeHigh : meta.rangeLow;
  }
  store.setRules(rules);
  Snapshot hot;
  hot.tick = store.liveReadings().tick + 1;
  hot.cpu.emplace();
  hot.cpu->total = 1;
  hot.cpu->user = 0.9;
  hot.cpu->system = 0.1;
  hot.cpu->perCore.assign(8, 1.0);
  hot.mem = MemSample{.total = 16ull << 30, .app = 15ull << 30, .wired = 1ull << 30, .pressure = 100};
  hot.thermal = ThermalState::critical;
  hot.procs = {ProcInfo{.pid = 4242, .name = "cc1plus", .cpu = 400, .mem = 900ull << 20}};
  store.apply(hot);
  // Fired at once; then held for half a minute as a user would set them.
  for (auto& rule : rules)
    if (Rules::meta().at(rule.id).hasSustain) rule.sustain = 30;
  store.setRules(rules);
  test::BusyAfternoon::settle();
}

}  // namespace

// Once rules have fired, each of their rows says at what time, on a line of its own that wraps:
// every tab keeps to its viewport, so no switch lies under the scroll bar and every card keeps
// its right edge, and no text is cut.
TEST_P(SheetsInEveryLanguage, settingsFitOnceRulesHaveFired) {
  test::BusyAfternoon day(Machine::fullStretch);
  fireRules(day);
  int fired = 0;
  for (const auto& rule : day.store->settingsView().rules) fired += day.store->firedText(rule.id).has_value();
  ASSERT_GE(fired, 4);
  Updater updater(day.defaults, {});
  for (const char* appearance : {"light", "dark"}) {
    if (std::string_view(appearance) == "dark" && !inGallery()) break;
    test::useAppearance(appearance);
    for (const auto& tab : kSettingsTabs) {
      day.store->setSettingsTab(tab.id);
      SettingsSheet sheet(
          test::settingsEnv(*day.store, updater, [] { return QString(); }, [](const QString&) { return true; }));
      sheet.show();
      test::BusyAfternoon::settle();
      const auto wide = widerThanViewport(sheet);
      EXPECT_TRUE(wide.empty()) << code().toStdString() << ", " << tab.id << test::listed(wide);
      const auto cuts = test::cutTexts(sheet);
      EXPECT_TRUE(cuts.empty()) << code().toStdString() << ", " << tab.id << test::listed(cuts);
      if (inGallery() && std::string_view(tab.id) == "alerts")
        test::writeShot(sheet, QString("settings-%1-alerts-fired-%2").arg(code(), appearance));
    }
  }
}

// Every other sheet, as its host shows it, in each language and appearance.
TEST_P(SheetsInEveryLanguage, everySheetKeepsToItsViewport) {
  test::BusyAfternoon day(Machine::fullStretch);
  fireRules(day);
  Store& store = *day.store;
  test::HostedSheets sheets(day);
  sheets.owner.resize(1180, 780);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    for (const auto& [name, open] : sheets.everySheet(store)) {
      open();
      test::BusyAfternoon::settle();
      ASSERT_TRUE(sheets.host.dialog()) << name;
      const auto wide = widerThanViewport(*sheets.host.dialog());
      EXPECT_TRUE(wide.empty()) << code().toStdString() << ", " << name << " in " << appearance << test::listed(wide);
      sheets.closeAll(store);
    }
  }
}

// The process sheet on a screen too short for it (700 px, less the title bar): its tab gives way
// and scrolls, while the footer's note may wrap and its buttons stay whole inside the window, and
// the window itself scrolls nothing, so no scroll bar runs beside the footer.
TEST_P(SheetsInEveryLanguage, theProcessSheetKeepsItsFooterOnAShortScreen) {
  test::BusyAfternoon day(Machine::fullStretch);
  test::HostedSheets sheets(day);
  sheets.owner.resize(1040, 700);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    day.store->setDetailPID(4410);
    test::BusyAfternoon::settle();
    QDialog* dialog = sheets.host.dialog();
    ASSERT_TRUE(dialog && sheets.shown<ProcessDetail>());
    dialog->resize(dialog->width(), 700 - 48);
    test::BusyAfternoon::settle();
    const auto cuts = test::cutTexts(*dialog, test::Scrolled::asItStands);
    EXPECT_TRUE(cuts.empty()) << code().toStdString() << " in " << appearance << test::listed(cuts);
    const auto* window = dialog->findChild<QScrollArea*>();
    const auto* tab = sheets.shown<ProcessDetail>()->findChild<QScrollArea*>();
    ASSERT_TRUE(window && tab);
    EXPECT_EQ(window->verticalScrollBar()->maximum(), 0) << code().toStdString() << " in " << appearance;
    if (inGallery()) test::writeShot(*dialog, QString("process-short-screen-%1-%2").arg(code(), appearance));
    day.store->setDetailPID(std::nullopt);
    test::BusyAfternoon::settle();
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, SheetsInEveryLanguage, test::kEveryLanguage, test::languageName);
