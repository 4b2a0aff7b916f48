// The process detail sheet: the CPU line it keeps, the profile's sentences and charts, and the
// sheet itself on a live store: it follows the process it was opened for and no other, ends
// only that one, and shows outside names as they are.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

#include "Qel/App/MainViews.hpp"
#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/Widgets/DetailCell.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Scrollers/SlimScroller.hpp"
#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Processes/CpuHistory.hpp"
#include "Qel/Processes/ProcessDetail.hpp"
#include "Qel/Processes/HoursRing.hpp"
#include "Qel/Processes/MemoryChart.hpp"
#include "Qel/Processes/ProfileNotes.hpp"
#include "Qel/Processes/ProfileView.hpp"
#include "Qel/Processes/TameControl.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/support/ShownText.hpp"
#include "tests/support/TestProcesses.hpp"

using namespace qel;
using test::BusyAfternoon;

namespace {

AppProfile::Day day(const char* key, double mem) { return {.day = key, .mem = mem}; }

AppProfile profileOf(int days, std::optional<AppProfile::Change> change = {}) {
  AppProfile p;
  for (int i = 0; i < days; ++i) p.days.push_back(day(("2026-06-" + std::to_string(10 + i)).c_str(), 100.0 * (i + 1)));
  p.change = std::move(change);
  return p;
}

}  // namespace

TEST(CpuHistory, keepsEachChangeAfterTheOpeningValueAndOnlyTheNewestSixty) {
  CpuHistory h(12);
  EXPECT_FALSE(h.see(12));  // the value the sheet opened with
  EXPECT_TRUE(h.values().empty());
  EXPECT_TRUE(h.see(20));
  EXPECT_FALSE(h.see(20));  // unchanged
  EXPECT_FALSE(h.see(NAN));
  EXPECT_TRUE(h.see(12));
  EXPECT_EQ(h.values(), (std::vector<double>{20, 12}));

  for (int i = 0; i < 70; ++i) h.see(i);
  ASSERT_EQ(h.values().size(), CpuHistory::kMost);
  EXPECT_EQ(h.values().front(), 10);
  EXPECT_EQ(h.values().back(), 69);
  EXPECT_EQ(h.scale(), 100);  // one core is the least top
  h.see(250);
  EXPECT_EQ(h.scale(), 250);
  EXPECT_EQ(CpuHistory(40).scale(), 100);
}

TEST(ProfileNotes, statesChangeNotesAndBusiestHours) {
  const std::string app = "/usr/share/applications/org.example.Editor.desktop";
  EXPECT_EQ(profileState("/usr/libexec/tracker-miner-fs-3", profileOf(5)), ProfileState::noProfile);
  EXPECT_EQ(profileState("", profileOf(5)), ProfileState::noProfile);
  EXPECT_EQ(profileState(app, profileOf(1)), ProfileState::tooLittle);
  EXPECT_EQ(profileState(app, profileOf(2)), ProfileState::full);
  // Outside an app: only a system process is called one.
  EXPECT_NE(noProfileNote(true).detail.find("system processes"), std::string::npos);
  EXPECT_EQ(noProfileNote(false).detail.find("system"), std::string::npos);

  const auto change = [](int percent) {
    return AppProfile::Change{.version = "3.2", .day = "2026-06-12", .percent = percent};
  };
  EXPECT_EQ(changeNote(std::nullopt, "").tone, NoteTone::quiet);
  EXPECT_EQ(changeNote(change(9), "12 Jun").title, "No notable change");
  EXPECT_EQ(changeNote(change(-9), "12 Jun").tone, NoteTone::quiet);
  EXPECT_EQ(
      changeNote(change(10), "12 Jun"),
      (ProfileNote{"Heavier since the update to 3.2",
                   "Since it updated on 12 Jun, it uses 10% more memory on average than before.", NoteTone::heavier}));
  EXPECT_EQ(
      changeNote(change(-10), "12 Jun"),
      (ProfileNote{"Lighter since the update to 3.2",
                   "Since it updated on 12 Jun, it uses 10% less memory on average than before.", NoteTone::lighter}));
  // A version read from outside can't forge a line of its own.
  auto odd = change(40);
  odd.version = "9\n\u202Eevil";
  EXPECT_EQ(changeNote(odd, "").title, "Heavier since the update to 9evil");

  EXPECT_EQ(busiestText({14}), "Usually busiest around 14:00.");
  EXPECT_EQ(busiestText({9, 3}), "Usually busiest around 9:00 and 3:00.");
  EXPECT_EQ(busiestText({}), "It hasn't been busy enough to show a pattern.");
  EXPECT_EQ(busiestText({1, 2, 3}), "It hasn't been busy enough to show a pattern.");
}

TEST(ProfileCharts, memoryBarsKeepTwelveSlotsAndMarkTheUpdateDay) {
  const QSizeF size(312, 74);  // 300 wide for the slots
  auto bars = memoryBars(profileOf(5), size);
  ASSERT_EQ(bars.bars.size(), 5u);
  EXPECT_DOUBLE_EQ(bars.bars[1].rect.left(), 6 + 25 + 1);
  EXPECT_DOUBLE_EQ(bars.bars[1].rect.width(), 23);
  EXPECT_DOUBLE_EQ(bars.bars[4].rect.bottom(), 70);
  EXPECT_NEAR(bars.bars[4].rect.height(), 64 / 1.15, 1e-9);  // the largest day reaches 1/1.15 of the room
  EXPECT_FALSE(bars.updateX);

  // From the update day on the bars are full; the day before is faint; the line sits at the day.
  bars = memoryBars(profileOf(30, AppProfile::Change{.version = "2", .day = "2026-06-13", .percent = 4}), size);
  ASSERT_EQ(bars.bars.size(), 30u);
  EXPECT_DOUBLE_EQ(bars.bars[1].rect.left(), 6 + 10 + 1);
  EXPECT_TRUE(bars.bars[2].beforeUpdate);
  EXPECT_FALSE(bars.bars[3].beforeUpdate);
  ASSERT_TRUE(bars.updateX);
  EXPECT_DOUBLE_EQ(*bars.updateX, 6 + 30);

  // An update day that is not stored draws no line; no days, nothing; odd values stay inside.
  EXPECT_FALSE(memoryBars(profileOf(3, AppProfile::Change{.day = "2025-01-01"}), size).updateX);
  EXPECT_TRUE(memoryBars(AppProfile{}, size).bars.empty());
  AppProfile odd{.days = {day("a", NAN), day("b", -5), day("c", 0.5)}};
  for (const auto& bar : memoryBars(odd, size).bars) {
    EXPECT_GE(bar.rect.top(), 0);
    EXPECT_LE(bar.rect.bottom(), 70);
  }
}

TEST(ProfileCharts, hourRingStartsAtTheTopAndShowsAStubForQuietHours) {
  std::array<double, 24> hours{};
  hours[6] = 1;
  hours[7] = NAN;
  const HourRing ring = hourRing(hours, QSizeF(128, 128));
  EXPECT_EQ(ring.centre, QPointF(64, 64));
  EXPECT_DOUBLE_EQ(ring.outer, 52);
  const HourWedge& midnight = ring.hours[0];
  EXPECT_NEAR((midnight.from + midnight.to) / 2, -Chart::kPi / 2 + Chart::kPi / 24, 1e-12);
  EXPECT_NEAR(midnight.to - midnight.from, 0.06 * Chart::kPi, 1e-12);
  EXPECT_DOUBLE_EQ(midnight.inner, 0.42 * 52);
  EXPECT_NEAR(midnight.value, midnight.inner + 0.05 * (52 - midnight.inner), 1e-12);
  EXPECT_DOUBLE_EQ(midnight.opacity, 0.35);
  EXPECT_DOUBLE_EQ(ring.hours[6].value, 52);
  EXPECT_DOUBLE_EQ(ring.hours[6].opacity, 0.95);
  EXPECT_DOUBLE_EQ(ring.hours[7].opacity, 0.35);  // a value that is not a number counts as quiet
}

class ProcessDetailTest : public ::testing::Test {
 protected:
  ProcessDetailTest() { Motion::setEnabled(false); }

  // Publishes one more tick with these processes.
  void publish(std::vector<ProcInfo> procs) {
    Snapshot s;
    s.tick = ++tick_;
    s.cpu = day.store->liveReadings().cpu;
    s.mem = day.store->liveReadings().mem;
    s.procs = std::move(procs);
    day.store->apply(s);
    BusyAfternoon::settle();
  }

  std::unique_ptr<ProcessDetail> open(std::int32_t pid) {
    day.store->setDetailPID(pid);
    Store& s = *day.store;
    auto sheet = std::make_unique<ProcessDetail>(LiveState(s), ProcessState(s), DayState(s), InsightState(s),
                                                 TamingState(s), NavigationState(s), s, s, s);
    sheet->show();
    BusyAfternoon::settle();
    return sheet;
  }

  BusyAfternoon day;
  int tick_ = 100;
};

TEST_F(ProcessDetailTest, showsHasEndedWhenTheProcessGoesOrItsPidNamesAnotherOne) {
  const ProcInfo app{.pid = 700, .name = "editor", .path = "/usr/bin/editor", .cpu = 10, .startTime = 5000};
  publish({app});
  auto sheet = open(700);
  ASSERT_FALSE(sheet->hasEnded());
  EXPECT_EQ(sheet->cells()[2]->value(), "700");
  EXPECT_EQ(sheet->cells()[3]->title(), "Energy (est.)");

  // The CPU line starts empty and keeps each new value.
  EXPECT_TRUE(sheet->sparkline()->values().empty());
  for (double cpu : {10.0, 30.0, 30.0, 250.0}) {
    ProcInfo now = app;
    now.cpu = cpu;
    publish({now});
  }
  EXPECT_EQ(sheet->history().values(), (std::vector<double>{30, 250}));
  EXPECT_EQ(sheet->sparkline()->values(), sheet->history().values());
  EXPECT_EQ(sheet->cells()[0]->value(), "250.0%");

  // The history belongs to the sheet, not to the tab.
  sheet->setTab("profile");
  ASSERT_TRUE(sheet->profileView());
  sheet->setTab("now");
  EXPECT_FALSE(sheet->profileView());
  EXPECT_EQ(sheet->history().values().size(), 2u);

  // Another process now has pid 700: the sheet is not about it.
  ProcInfo newcomer = app;
  newcomer.name = "newcomer";
  newcomer.startTime = 9000;
  publish({newcomer});
  EXPECT_TRUE(sheet->hasEnded());
  EXPECT_FALSE(sheet->shown());
  EXPECT_FALSE(sheet->endButton());
  // It still says which process ended, not the newcomer now holding its pid.
  const auto* ended = sheet->findChild<QLabel*>("qel.endedName");
  ASSERT_TRUE(ended);
  EXPECT_EQ(ended->text(), "editor");
  test::writeWindowShot(*sheet, "detail-ended");
  ASSERT_TRUE(sheet->endedCloseButton());
  publish({app});  // the old identity can't come back, but even so nothing returns
  EXPECT_TRUE(sheet->hasEnded());
  sheet->endedCloseButton()->click();
  EXPECT_EQ(day.store->navigation().detailPID, std::nullopt);

  // A process that simply leaves the list.
  publish({app});
  sheet = open(700);
  ASSERT_FALSE(sheet->hasEnded());
  publish({});
  EXPECT_TRUE(sheet->hasEnded());

  // A pid that is not in the list at all.
  sheet = open(4242);
  EXPECT_TRUE(sheet->hasEnded());
}

TEST_F(ProcessDetailTest, endAndForceQuitSignalOnlyTheProcessShown) {
  auto a = test::sleeper(), b = test::sleeper();
  ASSERT_TRUE(test::reaches(*a, 'S') && test::reaches(*b, 'S'));
  publish({test::listed(*a, "sleeper a", 1), test::listed(*b, "sleeper b", 1)});

  auto sheet = open(a->pid());
  ASSERT_TRUE(sheet->endButton());
  sheet->endButton()->click();
  EXPECT_EQ(day.store->navigation().toast, "Ended sleeper a");
  EXPECT_EQ(day.store->navigation().detailPID, std::nullopt);  // the sheet closes
  const int status = a->stop(SIGKILL);              // reaps what SIGTERM left
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_TRUE(test::reaches(*b, 'S'));

  publish({test::listed(*b, "sleeper b", 1)});
  sheet = open(b->pid());
  // Return in the sheet ends nothing; Force Quit asks first, and Return there cancels.
  const auto pressReturn = [](QWidget* w) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w->focusWidget() ? w->focusWidget() : w, &event);
    BusyAfternoon::settle();
  };
  pressReturn(sheet.get());
  sheet->forceQuitButton()->click();
  BusyAfternoon::settle();
  auto* question = sheet->window()->findChild<QMessageBox*>("forceQuitConfirmation");
  ASSERT_TRUE(question);
  // Named with its pid: two processes may share a name.
  EXPECT_EQ(question->text(), QString("Force quit sleeper b (PID %1)?").arg(b->pid()));
  pressReturn(question);
  EXPECT_TRUE(test::reaches(*b, 'S'));
  EXPECT_FALSE(sheet->window()->findChild<QMessageBox*>("forceQuitConfirmation"));
  sheet->forceQuitButton()->click();
  BusyAfternoon::settle();
  for (auto* button : sheet->window()->findChild<QMessageBox*>("forceQuitConfirmation")->buttons())
    if (button->text() == "Force Quit") button->click();
  EXPECT_EQ(day.store->navigation().toast, "Force-quit sleeper b");
  const int killed = b->stop(SIGTERM);
  EXPECT_TRUE(WIFSIGNALED(killed) && WTERMSIG(killed) == SIGKILL);
}

TEST_F(ProcessDetailTest, theEndCapsulesFocusRingStandsOutFromItInBothLooks) {
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    auto sheet = open(3120);  // code, the user's own
    sheet->activateWindow();
    QAbstractButton* end = sheet->endButton();
    ASSERT_TRUE(end);
    end->setFocus(Qt::TabFocusReason);
    BusyAfternoon::settle();
    const QImage shot = end->grab().toImage();
    const int y = end->height() / 2;
    const QColor fill = shot.pixelColor(end->height(), y);  // past the round end, before the words
    EXPECT_TRUE(test::near(shot.pixelColor(1, y), fill, 12)) << look;  // the ring runs inside the capsule
    double ring = 1;
    for (int x = 2; x < 5; ++x) ring = std::max(ring, test::contrast(shot.pixelColor(x, y), fill));
    EXPECT_GE(ring, 3.0) << look;
  }
  test::useAppearance("light");
}

TEST_F(ProcessDetailTest, aReusedPidIsNeverSignalled) {
  auto child = test::sleeper();
  ASSERT_TRUE(test::reaches(*child, 'S'));
  ProcInfo before = test::listed(*child, "sleeper", 1);
  before.startTime += 1;  // the sheet opens on an earlier process with the same pid
  publish({before});
  auto sheet = open(child->pid());
  QAbstractButton* end = sheet->endButton();
  ASSERT_TRUE(end);
  // The list now holds the process that took the pid over; the click arrives before the sheet
  // has caught up with the list.
  day.store->apply(
      Snapshot{.tick = 300, .cpu = day.store->liveReadings().cpu, .procs = {test::listed(*child, "sleeper", 1)}});
  end->click();
  EXPECT_TRUE(test::reaches(*child, 'S'));
  const auto toast = day.store->navigation().toast;
  EXPECT_FALSE(toast && toast->find("sleeper") != std::string::npos) << *toast;
  BusyAfternoon::settle();
  EXPECT_TRUE(sheet->hasEnded());
}

TEST_F(ProcessDetailTest, aSystemProcessIsExplainedNotOffered) {
  auto sheet = open(1020);  // Xwayland, another user's
  ASSERT_FALSE(sheet->hasEnded());
  ASSERT_TRUE(sheet->systemNote());
  EXPECT_TRUE(sheet->systemNote()->isVisible());
  EXPECT_FALSE(sheet->endButton());
  EXPECT_FALSE(sheet->forceQuitButton());
}

TEST_F(ProcessDetailTest, aTamingRuleSetElsewhereShowsAtOnceWithoutATick) {
  const ProcInfo app{.pid = 710, .name = "editor", .path = "/usr/bin/editor", .cpu = 10,
                     .appKey = "/usr/share/applications/editor.desktop", .startTime = 5000};
  publish({app});
  auto sheet = open(710);
  auto* control = sheet->findChild<TameControl*>();
  ASSERT_NE(control, nullptr);
  const QString before = control->noteLabel()->text();
  day.store->setTameRules({{app.appKey, "pause"}});
  BusyAfternoon::settle();
  EXPECT_NE(control->noteLabel()->text(), before);
  EXPECT_EQ(control->noteLabel()->text().toStdString(), control->note(app.appKey));
}

TEST_F(ProcessDetailTest, aHostileNameIsShownLiterally) {
  const std::string hostile = "<b>x</b>&amp;\n\u202Egnp.exe";
  publish({{.pid = 801, .name = hostile, .path = "/tmp/<i>a</i>\n/run", .cpu = 1, .startTime = 7}});
  auto sheet = open(801);
  ASSERT_FALSE(sheet->hasEnded());
  EXPECT_EQ(sheet->nameLabel()->textFormat(), Qt::PlainText);
  EXPECT_EQ(sheet->nameLabel()->text(), "<b>x</b>&amp;gnp.exe");
  EXPECT_EQ(sheet->pathLabel()->textFormat(), Qt::PlainText);
  EXPECT_EQ(sheet->pathLabel()->text(), "/tmp/<i>a</i>/run");
  EXPECT_EQ(sheet->endButton()->accessibleName(), "End <b>x</b>&amp;gnp.exe");

  // A path that is empty says so.
  publish({{.pid = 802, .name = "k", .cpu = 1, .startTime = 8}});
  EXPECT_EQ(open(802)->pathLabel()->text(), "Unknown path");

  // Force quit asks about the process by its name as written, and by its pid.
  publish({{.pid = 1705, .name = "<u>Firefox<u><!--", .cpu = 1, .startTime = 9}});
  sheet = open(1705);
  sheet->forceQuitButton()->click();
  BusyAfternoon::settle();
  auto* question = sheet->window()->findChild<QMessageBox*>("forceQuitConfirmation");
  ASSERT_TRUE(question);
  EXPECT_EQ(question->text(), "Force quit <u>Firefox<u><!-- (PID 1705)?");
  const auto labels = question->findChildren<QLabel*>();
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == question->text(); }));
  for (QLabel* label : labels) EXPECT_TRUE(test::showsAsWritten(*label)) << label->text().toStdString();
  question->reject();
}

TEST_F(ProcessDetailTest, theWindowFitsTheTabShownAndTheEndedStateAndItsScrollBarKeepsOffTheCards) {
  test::HostedSheets sheets(day);
  SheetHost& host = sheets.host;
  const auto sheet = [&] { return sheets.shown<ProcessDetail>(); };
  // The sheet's own height at its width: what the window should be while the screen has room.
  const auto wanted = [&] { return sheet()->sizeHint().height(); };
  const int room = QGuiApplication::primaryScreen()->availableGeometry().height();

  day.store->setDetailPID(2311);
  BusyAfternoon::settle();
  ASSERT_TRUE(sheet());
  const int now = host.dialog()->height();
  EXPECT_EQ(now, std::min(wanted(), room - 48));
  // The cells keep clear of the strip at the right where the tab's scroll bar runs.
  auto* scroll = sheet()->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  for (auto* cell : sheet()->cells())
    EXPECT_LE(cell->mapTo(scroll, QPoint(cell->width(), 0)).x(), scroll->width() - SlimScroller::kWidth);

  sheet()->setTab("profile");
  BusyAfternoon::settle();
  EXPECT_EQ(host.dialog()->height(), std::min(wanted(), room - 48));
  EXPECT_LT(host.dialog()->height(), now) << "the profile of an app without history is short";

  publish({});  // the process ends
  BusyAfternoon::settle();
  EXPECT_EQ(host.dialog()->height(), wanted());
  EXPECT_LT(host.dialog()->height(), 200);
}

TEST_F(ProcessDetailTest, theWindowOpensItAndEveryWayOfClosingClearsTheDetailPid) {
  test::HostedSheets sheets(day);
  SheetHost& host = sheets.host;
  const auto sheet = [&] { return sheets.shown<ProcessDetail>(); };
  const auto escape = [&] {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(sheet(), &press);
    BusyAfternoon::settle();
  };

  day.store->setDetailPID(2311);
  BusyAfternoon::settle();
  ASSERT_TRUE(sheet());
  EXPECT_EQ(sheet()->nameLabel()->text(), "firefox");
  sheet()->closeButton()->click();
  BusyAfternoon::settle();
  EXPECT_EQ(day.store->navigation().detailPID, std::nullopt);
  EXPECT_FALSE(host.dialog());

  day.store->setDetailPID(3120);
  BusyAfternoon::settle();
  ASSERT_TRUE(sheet());
  escape();
  EXPECT_EQ(day.store->navigation().detailPID, std::nullopt);

  day.store->setDetailPID(4242);  // no such process: the ended state, closed the same way
  BusyAfternoon::settle();
  ASSERT_TRUE(sheet() && sheet()->hasEnded());
  escape();
  EXPECT_EQ(day.store->navigation().detailPID, std::nullopt);
}
