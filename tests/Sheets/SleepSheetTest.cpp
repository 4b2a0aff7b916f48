// The sleep report: its words, its battery chart's geometry, the overview's ways into it, and
// how it looks on a busy afternoon.
#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QKeyEvent>
#include <QLabel>

#include <filesystem>

#include "Qel/Sheets/Reports/SleepBatteryChart.hpp"
#include "Qel/Sheets/Reports/SleepLine.hpp"
#include "Qel/Sheets/Reports/SleepNote.hpp"
#include "Qel/Sheets/Reports/SleepReport.hpp"
#include "Qel/Sheets/Reports/SleepSheet.hpp"
#include "Qel/App/MainViews.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/Gallery.hpp"

using namespace qel;
using namespace std::chrono_literals;
using test::BusyAfternoon;

namespace {

SleepSession night(std::optional<int> from, std::optional<int> to, bool onBattery = true) {
  SleepSession s;
  s.start = BusyAfternoon::at("2026-06-16", 23, 10);
  s.end = s.start + 432min;
  s.chargeStart = from;
  s.chargeEnd = to;
  s.onBattery = onBattery;
  return s;
}

}  // namespace

TEST(SleepReportTest, theDropTheUsualLineAndTheFiguresOfOneNight) {
  const auto s = night(80, 73);
  EXPECT_EQ(SleepReport::headline(s), "Battery dropped 7% while asleep");
  EXPECT_EQ(SleepReport::batteryUsed(s), "7%");
  EXPECT_EQ(SleepReport::usualLine(s, 2.5), "A sleep this long usually uses about 18%. This one used 7%.");
  EXPECT_EQ(SleepReport::usualLine(s, std::nullopt), std::nullopt);
  auto twoHours = night(80, 77);
  twoHours.end = twoHours.start + 120min;
  EXPECT_EQ(SleepReport::usualLine(twoHours, 1.25), "A sleep this long usually uses about 3%. This one used 3%.");

  // Charging while asleep loses nothing; on the adapter the time is the headline; a missing charge.
  EXPECT_EQ(SleepReport::headline(night(70, 75)), "Battery dropped 0% while asleep");
  EXPECT_EQ(SleepReport::headline(night(80, 73, false)), "Slept 7 h 12 min");
  EXPECT_EQ(SleepReport::batteryUsed(night(80, 73, false)), "On AC power");
  EXPECT_EQ(SleepReport::usualLine(night(80, 73, false), 2.5), std::nullopt);
  EXPECT_EQ(SleepReport::batteryUsed(night(80, std::nullopt)), "—");
  auto backwards = night(80, 73, false);
  backwards.end = backwards.start - 5min;
  EXPECT_EQ(SleepReport::headline(backwards), "Slept 0 min");

  EXPECT_EQ(SleepReport::wakeLength(59), "59 s");
  EXPECT_EQ(SleepReport::wakeLength(60), "1 min");
  EXPECT_EQ(SleepReport::wakeLength(119), "1 min");
  EXPECT_EQ(SleepReport::wakeLength(3600), "1 h");
  EXPECT_EQ(SleepReport::wakeDetail({.seconds = 12, .reason = "EC.LidOpen"}), "awake for 12 s · EC.LidOpen");
  EXPECT_EQ(SleepReport::wakeDetail({.seconds = 12}), "awake for 12 s");

  auto woken = night(80, 73);
  EXPECT_EQ(SleepReport::mainKind(woken), std::nullopt);
  woken.wakes = {{.reason = "rtc"}, {.reason = "usb"}, {.reason = "RTC alarm"}};
  EXPECT_EQ(SleepReport::mainKind(woken), WakeKind::maintenance);
  EXPECT_EQ(SleepReport::holdersLine(woken), std::nullopt);
  woken.holders = {"firefox", "dpkg"};
  EXPECT_EQ(SleepReport::holdersLine(woken), "Preventing sleep when the lid closed: firefox, dpkg");
}

TEST(SleepBatteryChartTest, theLineSpansThePlotAndEveryBandStaysOnIt) {
  const QSizeF size(512, 104);  // plot 44..468 by 16..88
  auto s = night(80, 72);
  auto g = sleepChartGeometry(s, size);
  ASSERT_EQ(g.line.size(), 2u);
  EXPECT_EQ(g.line[0], QPointF(44, 16 + 72 * 0.1));
  EXPECT_EQ(g.line[1], QPointF(468, 16 + 72 * 0.9));
  EXPECT_EQ(g.startLabel, QPointF(22, g.line[0].y()));
  EXPECT_EQ(g.endLabel, QPointF(490, g.line[1].y()));
  EXPECT_TRUE(g.bands.empty());

  // A short wake halfway gives a point and a band of the least width; one without a charge only
  // a band; one logged after waking is cut to the plot instead of covering the end label.
  s.wakes = {{.date = s.start + 216min, .seconds = 30, .charge = 76},
             {.date = s.start + 300min, .seconds = 20},
             {.date = s.end + 20min, .seconds = 60, .charge = 70}};
  g = sleepChartGeometry(s, size);
  ASSERT_EQ(g.line.size(), 4u);
  EXPECT_DOUBLE_EQ(g.line[1].x(), 44 + 424.0 / 2);
  ASSERT_EQ(g.bands.size(), 2u);
  EXPECT_DOUBLE_EQ(g.bands[0].width(), 3);
  for (const auto& band : g.bands) EXPECT_TRUE(g.plot.contains(band)) << band.left();

  // Level charges sit mid-plot; an empty span divides by one second; no chart without both ends.
  auto level = night(80, 80);
  level.end = level.start;
  g = sleepChartGeometry(level, size);
  EXPECT_DOUBLE_EQ(g.line[0].y(), 52);
  EXPECT_DOUBLE_EQ(g.line[1].x(), 468);
  EXPECT_TRUE(sleepChartGeometry(night(80, std::nullopt), size).line.empty());
}

TEST(SleepViewsTest, theOverviewsLineAndNoteOpenTheReportAndReturnClosesIt) {
  BusyAfternoon fixture;
  Store& store = *fixture.store;
  test::HostedSheets sheets(fixture);
  SheetHost& host = sheets.host;
  const auto shown = [&] { return sheets.shown<SleepSheet>(); };

  ASSERT_TRUE(store.lastSleep());
  SleepLine line(SleepState(*fixture.store), NavigationState(*fixture.store), *fixture.store);
  line.click();
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  EXPECT_EQ(shown()->width(), ReportSheet::kWidth);
  EXPECT_TRUE(shown()->subtitle().startsWith("Asleep from 00:40 to 07:10"));
  ASSERT_NE(shown()->wakeList(), nullptr);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(host.dialog(), &enter);
  BusyAfternoon::settle();
  EXPECT_FALSE(store.navigation().sleepReport);

  // The slot of the 02:10 wake names it; a slot far from both wakes gives the whole sleep.
  SleepNote note(SleepState(*fixture.store), DayState(*fixture.store), NavigationState(*fixture.store), *fixture.store);
  store.setRingMode(RingMode::day);
  store.setSelectedSlot(13);
  BusyAfternoon::settle();
  EXPECT_EQ(note.headline(), "02:10  " + QString::fromStdString(WakeKind::classify("RTC alarm").title()));
  EXPECT_EQ(note.detail(), "RTC alarm");
  store.setSelectedSlot(30);
  BusyAfternoon::settle();
  EXPECT_EQ(note.headline(), "Asleep from 00:40 to 07:10");
  note.reportButton()->click();
  BusyAfternoon::settle();
  ASSERT_NE(shown(), nullptr);
  shown()->doneButton()->click();
  BusyAfternoon::settle();
  EXPECT_FALSE(store.navigation().sleepReport);
}

TEST(SleepSheetTest, theAdvicesCommandsBreakBetweenWordsNeverInside) {
  BusyAfternoon fixture;
  SleepSession s = night(80, 73);
  s.wakes.push_back({.date = s.start + 40min, .seconds = 45, .charge = 79, .reason = "RTC alarm"});
  const SleepSheet sheet(SleepState(*fixture.store), NavigationState(*fixture.store), *fixture.store, s);
  const auto labels = sheet.findChildren<QLabel*>();
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* l) {
    return l->text().contains(QStringLiteral("systemctl\u00A0list-\u2060timers"));
  }));
}

TEST(SleepSheetGallery, theBusyAfternoonsNightInLightAndDark) {
  BusyAfternoon fixture;
  test::HostedSheets sheets(fixture);
  ASSERT_TRUE(fixture.store->lastSleep());
  fixture.store->setSleepReport(fixture.store->lastSleep());
  BusyAfternoon::settle();
  ASSERT_NE(sheets.shown<SleepSheet>(), nullptr);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    BusyAfternoon::settle();
    test::writeWindowShot(*sheets.shown<SleepSheet>(), QString("sleep-%1").arg(appearance));
  }
  test::useAppearance("light");
}
