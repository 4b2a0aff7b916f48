// The overview's process list keeps the order of its sort key through what happens around it:
// a sheet closing under a resting pointer, a change of language, a change of appearance. Only a
// pointer that moves over the list holds its rows still.
#include <gtest/gtest.h>

#include <algorithm>

#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Processes/ProcessListView.hpp"
#include "Qel/Processes/ProcessTable.hpp"
#include "Qel/Processes/ProcessTableModel.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/Window/Pointer.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

class ProcessOrder : public ::testing::Test {
 protected:
  ProcessOrder() { Motion::setEnabled(false); }
  ~ProcessOrder() override {
    Loc::set("en", nullptr);
    test::useAppearance("light");
  }

  ProcessTable& table() {
    auto* t = shown.window.findChild<ProcessTable*>();
    EXPECT_NE(t, nullptr);
    return *t;
  }

  // A tick that reshuffles who is busiest and who holds the most memory.
  void publish() {
    ++round_;
    Snapshot s;
    s.tick = day.store->liveReadings().tick + 1;
    s.mem = day.store->liveReadings().mem;
    s.procs = day.store->processList().procs;
    for (std::size_t i = 0; i < s.procs.size(); ++i) {
      s.procs[i].cpu = double((i * 37 + round_ * 53) % 97) + 0.5;
      s.procs[i].mem = std::uint64_t((i * 29 + round_ * 41) % 89 + 1) << 20;
    }
    day.store->apply(s);
    test::BusyAfternoon::settle();
  }

  // Whether the rows read in the order of the sort key, largest first.
  ::testing::AssertionResult sorted(const char* after) {
    const ProcessTableModel& model = table().model();
    const bool byCpu = day.store->processList().sort == SortKey::cpu;
    std::string read;
    bool ok = model.rowCount() > 2;
    for (int row = 0; row < model.rowCount(); ++row) {
      const double v = byCpu ? model.proc(row).cpu : double(model.proc(row).mem >> 20);
      read += std::to_string(int(v)) + " ";
      if (row > 0 && v > (byCpu ? model.proc(row - 1).cpu : double(model.proc(row - 1).mem >> 20))) ok = false;
    }
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "after " << after << " the list reads " << read;
  }

  // The settings sheet opens, `change` happens in it, and it closes with the pointer resting over
  // the list, as it does after a click on "Done" that lies above the rows.
  void throughTheSettings(const std::function<void()>& change) {
    day.store->openSettings();
    test::BusyAfternoon::settle();
    ASSERT_TRUE(shown.root->sheets()->dialog());
    change();
    test::BusyAfternoon::settle();
    day.store->setShowingSettings(false);
    test::BusyAfternoon::settle();
    ASSERT_FALSE(shown.root->sheets()->dialog());
    test::pointerFoundOver(table().list(), {300, 40});
  }

  test::BusyAfternoon day;
  test::AfternoonWindow shown{day, {1180, 780}};
  int round_ = 0;
};

}  // namespace

TEST_F(ProcessOrder, theListKeepsItsSortThroughTheSettingsALanguageAndAnAppearance) {
  day.store->setPage(Page::overview);
  publish();
  ASSERT_TRUE(sorted("a tick"));

  throughTheSettings([] {});
  for (int i = 0; i < 2; ++i) publish();
  EXPECT_TRUE(sorted("the settings closed"));

  throughTheSettings([&] {
    test::useAppearance("dark");
    day.store->set(Setting::appearance, "dark");
  });
  for (int i = 0; i < 2; ++i) publish();
  EXPECT_TRUE(sorted("a change of appearance"));

  day.store->setSort(SortKey::mem);
  throughTheSettings([&] {
    Loc::set("de", nullptr);
    day.store->set(Setting::language, "de");
  });
  for (int i = 0; i < 2; ++i) publish();
  EXPECT_TRUE(sorted("a change of language"));

  // A pointer that moves over the rows holds them still, and they sort again as it leaves.
  test::pointerComesOver(table().list(), {300, 40});
  publish();
  EXPECT_FALSE(sorted("a move over the list"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(table().list(), &leave);
  test::BusyAfternoon::settle();
  EXPECT_TRUE(sorted("the pointer left"));
}
