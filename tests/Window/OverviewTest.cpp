// The overview page and its parts: what the status row and metric rows say, which note the
// selection brings, the ring's controls, and the small cards and rows it is built from.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>

#include "Qel/App/MainViews.hpp"
#include "Qel/Window/Overview/OverviewFacts.hpp"
#include "Qel/Window/Overview/OverviewPage.hpp"
#include "Qel/Processes/ProcessTable.hpp"
#include "Qel/Window/Overview/DayRingView.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/AccentPill.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Window/Overview/MetricRow.hpp"
#include "Qel/Window/Overview/EventNote.hpp"
#include "Qel/Window/Overview/MarkNote.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Window/Overview/RingControls.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Kit/Widgets/RoundGlyphButton.hpp"
#include "Qel/Window/Overview/StatusChip.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::BusyAfternoon;
using test::near;

namespace {

class OverviewFactsTest : public test::ShellTest {
 protected:
  void apply(Snapshot s) {
    s.slow = true;
    store->apply(s);
  }
};

std::vector<std::string> icons(const std::vector<ChipFacts>& chips) {
  std::vector<std::string> out;
  for (const auto& c : chips) out.push_back(c.icon);
  return out;
}

}  // namespace

TEST_F(OverviewFactsTest, chipsFollowHeatBatteryAndDisk) {
  struct Case {
    ThermalState thermal;
    BatterySample battery;
    std::uint64_t diskTotal;
    std::vector<std::string> icons;
    QColor heat, battery_;
  } cases[] = {
      {ThermalState::nominal, {.present = false}, 0, {"thermometer"}, Palette::calm(), {}},
      {ThermalState::fair, {.present = true, .percent = 19}, 100, {"thermometer", "battery.50", "internaldrive"},
       Palette::warn(), Palette::strain()},
      {ThermalState::serious, {.present = true, .percent = 20}, 0, {"thermometer", "battery.50"}, Palette::strain(),
       Palette::calm()},
      {ThermalState::critical, {.present = true, .percent = 5, .onAC = true}, 0, {"thermometer", "bolt.fill"},
       Palette::strain(), Palette::calm()},
  };
  for (const auto& c : cases) {
    Snapshot s;
    s.thermal = c.thermal;
    s.battery = c.battery;
    s.diskDetail = DiskDetail{.total = c.diskTotal, .free = c.diskTotal / 4};
    apply(s);
    const auto chips = statusChips(LiveState(*store));
    EXPECT_EQ(icons(chips), c.icons);
    EXPECT_EQ(chips[0].tint, AdaptiveColor(c.heat));
    EXPECT_EQ(chips[0].help, "Thermal state: " + QString::fromStdString(store->thermalText()));
    if (c.battery.present) {
      EXPECT_EQ(chips[1].tint, AdaptiveColor(c.battery_));
      EXPECT_EQ(chips[1].text, QString::number(c.battery.percent) + "%");
      EXPECT_EQ(chips[1].help.endsWith(", on AC power"), c.battery.onAC);
    }
  }
}

TEST_F(OverviewFactsTest, metricRowsWithoutAGpuAMemoryTotalOrMeasuredPower) {
  Snapshot s;
  s.cpu = CPUSample{.total = 0.426};
  s.mem = MemSample{.total = 0};
  s.procs = {{.pid = 7, .name = "a", .energy = 3.25}};
  apply(s);
  auto rows = metricRows(LiveState(*store), DayState(*store));
  std::vector<QString> names;
  for (const auto& r : rows) names.push_back(r.name);
  EXPECT_EQ(names, (std::vector<QString>{"CPU", "Memory", "Network", "Disk", "Energy"}));
  EXPECT_EQ(rows[0].text, "43%");
  EXPECT_EQ(rows[1].text, "0%");
  EXPECT_EQ(rows[4].text, "3.2 W");
  EXPECT_EQ(rows[2].maxValue, std::nullopt);
  EXPECT_EQ(rows[0].maxValue, 1.0);

  s.gpu = GPUSample{.util = 0.5};
  s.power = 11.0;
  apply(s);
  rows = metricRows(LiveState(*store), DayState(*store));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1].name, "GPU");
  EXPECT_EQ(rows[1].text, "50%");
  EXPECT_EQ(rows[5].text, "11.0 W");
}

namespace {

struct ShownOverview {
  BusyAfternoon day;
  ViewRegistry registry;
  OverviewPage* page = nullptr;
  std::unique_ptr<test::Host> host;
  int processTables = 0;

  ShownOverview() {
    registry.setSlot(OverviewSlot::finding, [](const ViewContext&, QWidget* p) { return new QLabel("finding", p); });
    registry.setSlot(OverviewSlot::processTable, [this](const ViewContext&, QWidget* p) {
      ++processTables;
      return new QLabel("processes", p);
    });
    page = new OverviewPage(day.context(), registry);
    host = std::make_unique<test::Host>(page, QSize(1092, 700));
  }
  void select(int slot) {
    day.store->select(slot);
    BusyAfternoon::settle();
  }
};

}  // namespace

TEST(OverviewPage, aSelectedMomentIsOneTimeEverywhereAndTheRowsShowItsValues) {
  ShownOverview shown;
  Store& store = *shown.day.store;
  const auto row = [&](Page page) -> MetricRow* {
    for (auto* r : shown.page->metricRows())
      if (r->name() == title(page) || (page == Page::gpu && r->name() == "GPU")) return r;
    return nullptr;
  };
  ASSERT_NE(row(Page::cpu), nullptr);
  ASSERT_NE(row(Page::net), nullptr);
  const QString liveNet = row(Page::net)->valueText();

  // A click beside the release build's event lands on it: the note's time is the ring's.
  const auto events = store.events();
  const auto release = std::find_if(events.begin(), events.end(), [](const DayEvent& e) { return e.slot == 83; });
  ASSERT_NE(release, events.end());
  shown.select(84);
  EXPECT_EQ(store.dayView().selectedSlot, 83);
  EXPECT_EQ(store.moment().label, store.slotLabel(83));
  ASSERT_NE(qobject_cast<EventNote*>(shown.page->selectionNote()), nullptr);
  // The rows: CPU and memory as they were then, along the day up to it; the rest was not kept.
  const DayBucket bucket = *store.dayView().day[83];
  EXPECT_EQ(row(Page::cpu)->valueText().toStdString(), fmtPercent(bucket.cpu));
  EXPECT_EQ(row(Page::mem)->valueText().toStdString(), fmtPercent(bucket.mem));
  EXPECT_EQ(row(Page::cpu)->sparkline()->values().back(), bucket.cpu);
  EXPECT_EQ(row(Page::net)->valueText(), "—");
  EXPECT_TRUE(row(Page::net)->sparkline()->values().empty());

  // A second of the last minute: every line up to it and its value then.
  store.setRingMode(RingMode::live);
  shown.select(30);
  ASSERT_GT(store.liveReadings().netHist.size(), 30u);
  EXPECT_EQ(row(Page::net)->valueText().toStdString(), fmtRate(store.liveReadings().netHist[30]));
  EXPECT_EQ(row(Page::cpu)->sparkline()->values().size(), 31u);

  store.setSelectedSlot(std::nullopt);  // back to now
  BusyAfternoon::settle();
  EXPECT_EQ(row(Page::net)->valueText(), liveNet);
}

TEST(OverviewPage, theSelectionBringsOneNoteAndTheStretchLine) {
  test::useAppearance("light");
  ShownOverview shown;
  OverviewPage* page = shown.page;
  EXPECT_EQ(page->selectionNote(), nullptr);
  EXPECT_FALSE(page->stretchLine()->isVisible());
  EXPECT_EQ(shown.processTables, 1);
  // Nothing selected takes no room: the rows stand one gap below the status.
  const QWidget* status = page->statusTitle()->parentWidget();
  EXPECT_EQ(page->metricRows().front()->parentWidget()->y(), status->geometry().bottom() + 1 + Space::heroGap);
  const auto chips = page->chipRow()->findChildren<StatusChip*>();
  ASSERT_EQ(chips.size(), 3u);  // warm, on battery, disk free
  EXPECT_EQ(chips[0]->accessibleName(), "Thermal state: Warm");  // read as its help, not its value
  EXPECT_EQ(chips[1]->icon(), "battery.50");
  for (auto* label : page->findChildren<QLabel*>()) {
    if (label->text() == "finding") { EXPECT_FALSE(label->isVisible()); }  // no findings: no card
    if (label->text() == "processes") { EXPECT_TRUE(label->isVisible()); }
  }

  shown.select(83);  // the release build: an event, inside the stretch, with a mark close by
  auto* event = qobject_cast<EventNote*>(page->selectionNote());
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->stripe(), AdaptiveColor(Palette::warn()));
  EXPECT_TRUE(page->stretchLine()->isVisible());
  EXPECT_TRUE(page->stretchLine()->findChild<PlainLabel*>()->text().contains("Release build"));
  page->stretchLine()->findChild<TextButton*>()->click();
  ASSERT_TRUE(shown.day.store->navigation().stretchReport);
  EXPECT_EQ(shown.day.store->navigation().stretchReport->name, "Release build");

  shown.select(87);  // memory tight
  event = qobject_cast<EventNote*>(page->selectionNote());
  ASSERT_NE(event, nullptr);
  EXPECT_EQ(event->stripe(), AdaptiveColor(Palette::strain()));

  shown.select(52);  // 08:45, an app opened: marks only
  auto* marks = qobject_cast<MarkNote*>(page->selectionNote());
  ASSERT_NE(marks, nullptr);
  EXPECT_FALSE(page->stretchLine()->isVisible());

  shown.select(25);  // asleep: the sleep's own note is a later view; no other note stands in
  EXPECT_EQ(page->selectionNote(), nullptr);

  // The usual-load note stays under the ring in either mode.
  EXPECT_TRUE(page->usualLoadNote()->isVisible());
  RingControls::setMode(*shown.day.store, RingMode::live);
  BusyAfternoon::settle();
  EXPECT_TRUE(page->usualLoadNote()->isVisible());
  EXPECT_FALSE(page->usualLoadNote()->text().isEmpty());
}

TEST(OverviewPage, theRingGivesWayBeforeTheProcessHeaderIsCut) {
  BusyAfternoon day;
  Updater updater(day.defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  auto* page = new OverviewPage(day.context(), registry);
  test::Host host(page, QSize(1092, 700));  // the window's default size
  BusyAfternoon::settle();
  auto* table = page->findChild<ProcessTable*>();
  ASSERT_NE(table, nullptr);
  EXPECT_GE(table->countLabel()->width(), table->countLabel()->sizeHint().width());  // the count in full
  EXPECT_LT(page->ringColumn()->width(), 440 + 2 * DayRingView::kBleed);

  host.window.resize(952, 600);  // the window's minimum: the ring at its smallest, the count shortened
  page->resize(952, 600);
  BusyAfternoon::settle();
  EXPECT_EQ(page->ringColumn()->width(), 320 + 2 * DayRingView::kBleed);
  EXPECT_LE(table->searchField()->mapTo(page, QPoint(table->searchField()->width(), 0)).x(), page->width());

  host.window.resize(1800, 900);  // a wide window: the ring grows to its largest
  page->resize(1800, 900);
  BusyAfternoon::settle();
  EXPECT_EQ(page->ringColumn()->width(), 440 + 2 * DayRingView::kBleed);
}

TEST(OverviewPage, theColumnsStandInOnePlaceWhateverTheProcessCount) {
  BusyAfternoon day;
  Updater updater(day.defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  std::vector<int> rings;
  for (const std::size_t count : {std::size_t(0), std::size_t(10), std::size_t(1500)}) {
    Snapshot s;
    for (std::size_t i = 0; i < count; ++i)
      s.procs.push_back({.pid = std::int32_t(100 + i), .name = "worker", .path = "/usr/bin/worker", .isSystem = i % 3 == 0});
    day.store->apply(s);
    BusyAfternoon::settle();
    auto* page = new OverviewPage(day.context(), registry);
    test::Host host(page, QSize(1092, 700));  // the window's default size, opened anew
    BusyAfternoon::settle();
    auto* table = page->findChild<ProcessTable*>();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->countLabel()->text().startsWith(QString::number(count))) << table->countLabel()->text().toStdString();
    EXPECT_GE(table->countLabel()->width(), table->countLabel()->sizeHint().width());  // in full
    rings.push_back(page->ringColumn()->width());
  }
  EXPECT_EQ(rings, std::vector<int>(3, rings.front()));
}

TEST(OverviewPage, metricRowsOpenTheirPagesAndReplayUsesThePageAccent) {
  ShownOverview shown;
  Store& store = *shown.day.store;
  int replays = 0;
  shown.registry.setReplay([&] { ++replays; });
  const auto& rows = shown.page->metricRows();
  ASSERT_EQ(rows.size(), 6u);  // the afternoon has a GPU
  EXPECT_EQ(rows[0]->valueText(), QString::fromStdString(fmtPercent(store.liveReadings().cpu.total)));
  store.select(40);
  rows[3]->click();  // Network
  BusyAfternoon::settle();
  EXPECT_EQ(store.navigation().page, Page::net);
  EXPECT_EQ(store.dayView().selectedSlot, std::nullopt);
  EXPECT_EQ(shown.page->replayButton()->page(), Page::net);
  shown.page->replayButton()->click();
  EXPECT_EQ(replays, 1);
}

TEST(AccentPill, wordsReadOnTheirPillInEveryPageAccent) {
  for (const Page page : {Page::overview, Page::cpu, Page::gpu, Page::mem, Page::disk, Page::net, Page::energy}) {
    for (const bool light : {true, false}) {
      const QColor ground = light ? background(page).forLight() : background(page).forDark();
      const QColor fill = test::over(ground, accent(page), 0.14);
      const AdaptiveColor ink = accentText(page);
      EXPECT_GE(test::contrast(light ? ink.forLight() : ink.forDark(), fill), 4.5) << int(page) << " light " << light;
    }
  }
}

TEST(RingControls, modeStepperAndBackToNow) {
  BusyAfternoon day;
  Store& store = *day.store;
  auto* controls = new RingControls(day.context());
  test::Host host(controls, QSize(528, 28));
  const auto settle = [] { BusyAfternoon::settle(); };
  EXPECT_TRUE(controls->stepper()->isVisible());
  EXPECT_FALSE(controls->nextDay()->isEnabled());  // today is the newest
  EXPECT_TRUE(controls->previousDay()->isEnabled());
  EXPECT_FALSE(controls->backToNow()->isVisible());
  EXPECT_EQ(controls->dayTitle()->text(), "Today");
  // The export button stands 14 before the switch, outside the centred row.
  const auto leftOf = [controls](QWidget* w) { return w->mapTo(controls, QPoint(0, 0)).x(); };
  EXPECT_TRUE(controls->exportDay()->isVisible());
  EXPECT_EQ(controls->exportDay()->geometry().right() + 1, leftOf(controls->modeSwitch()) - 14);
  EXPECT_GT(leftOf(controls->stepper()), leftOf(controls->modeSwitch()));  // the stepper after the switch

  controls->previousDay()->click();
  settle();
  EXPECT_EQ(store.dayView().viewDay, "2026-06-16");
  EXPECT_EQ(controls->dayTitle()->text(), "Yesterday");
  EXPECT_TRUE(controls->backToNow()->isVisible());
  for (int i = 0; i < 6; ++i) controls->previousDay()->click();  // past the oldest does nothing
  settle();
  EXPECT_EQ(store.dayView().viewDay, "2026-06-12");
  EXPECT_FALSE(controls->previousDay()->isEnabled());

  store.select(30);
  RingControls::setMode(store, RingMode::day);  // "Day" again: the selection goes, the day stays
  EXPECT_EQ(store.dayView().selectedSlot, std::nullopt);
  EXPECT_EQ(store.dayView().viewDay, "2026-06-12");
  store.select(30);
  test::click(controls->modeSwitch(), controls->modeSwitch()->pillRect(0).center().toPoint());  // "60 s"
  settle();
  EXPECT_EQ(store.dayView().ringMode, RingMode::live);
  EXPECT_EQ(store.dayView().viewDay, std::nullopt);
  EXPECT_EQ(store.dayView().selectedSlot, std::nullopt);
  EXPECT_FALSE(controls->stepper()->isVisible());
  EXPECT_EQ(controls->stepper()->geometry().width() > 0, true);  // keeps its place
  EXPECT_FALSE(controls->exportDay()->isVisible());
  EXPECT_FALSE(controls->backToNow()->isVisible());
  store.select(20);  // a second selected
  settle();
  EXPECT_TRUE(controls->backToNow()->isVisible());
  controls->backToNow()->click();
  settle();
  EXPECT_EQ(store.dayView().selectedSlot, std::nullopt);
  EXPECT_FALSE(controls->backToNow()->isVisible());
}

TEST(RingControls, backToNowNeverRunsPastTheColumn) {
  BusyAfternoon day;
  day.store->stepDay(-1);  // yesterday: "Back to now" shows beside the stepper
  for (const int width : {408, 528}) {  // the ring column at its narrowest, and roomy
    auto* controls = new RingControls(day.context());
    test::Host host(controls, QSize(width, 28));
    BusyAfternoon::settle();
    TextButton* back = controls->backToNow();
    ASSERT_TRUE(back->isVisible());
    EXPECT_LE(back->geometry().right(), width - 1) << width;
    EXPECT_GE(back->width(), back->sizeHint().width()) << width;  // whole words, never cut
    EXPECT_GT(back->geometry().left(), controls->stepper()->mapTo(controls, QPoint(controls->stepper()->width(), 0)).x());
    EXPECT_EQ(back->text(), "Back to now");
    EXPECT_EQ(back->accessibleName(), "Back to now");
    EXPECT_GE(controls->exportDay()->geometry().left(), 0) << width;
  }
}

TEST(OverviewParts, metricRowHoverCardsAndMarks) {
  test::useAppearance("light");
  int opened = 0;
  auto* row = new MetricRow("CPU", Palette::cpu(), 1.0, [&] { ++opened; });
  auto* inert = new MetricRow("Disk", Palette::disk(), std::nullopt, {});
  auto* box = new QWidget;
  row->setParent(box);
  inert->setParent(box);
  row->setGeometry(0, 0, 500, 36);
  inert->setGeometry(0, 40, 500, 36);
  test::Host host(box, QSize(500, 80), Palette::rgb(0xF3F5F4));
  row->setValues({0.1, 0.2}, "7%");
  const QRect sparkBefore = row->sparkline()->geometry();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(row, &enter);
  QApplication::sendEvent(inert, &enter);
  // The wash behind a hovered row with an action, none behind an inert one.
  const QColor bg = Palette::rgb(0xF3F5F4);
  EXPECT_TRUE(near(host.at(4, 18), test::over(bg, Qt::black, 0.045), 2));
  EXPECT_TRUE(near(host.at(4, 58), bg, 1));
  EXPECT_EQ(row->sparkline()->geometry(), sparkBefore);  // the chevron had its room already
  EXPECT_EQ(inert->focusPolicy(), Qt::NoFocus);
  row->click();
  inert->click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(row->accessibleName(), "View CPU");

  // A name wider than the usual column widens it instead of being cut, and the sparkline moves
  // along to start after it; a short name keeps the usual width.
  const QString wide = QString::fromUtf8("\u30cd\u30c3\u30c8\u30ef\u30fc\u30af\u306e\u8ee2\u9001");
  const double wideWidth = MetricRow::nameWidthFor(wide);
  EXPECT_GE(wideWidth, QFontMetricsF(Fonts::text(13)).horizontalAdvance(wide));
  EXPECT_EQ(MetricRow::nameWidthFor("CPU"), MetricRow::nameWidthFor("Disk"));
  row->setNameWidth(wideWidth);
  EXPECT_GE(row->sparkline()->geometry().left(), sparkBefore.left() + int(wideWidth - MetricRow::nameWidthFor("CPU")));

  std::vector<DayMark> six;
  for (int i = 0; i < 6; ++i)
    six.push_back({.slot = 60, .date = BusyAfternoon::at("2026-06-17", 10, i), .kind = "plug"});
  MarkNote many(six);
  EXPECT_EQ(many.findChildren<PlainLabel*>().size(), 2u * MarkNote::kMostLines);
  MarkNote one({six[0]});
  EXPECT_EQ(one.findChildren<PlainLabel*>().size(), 2u);

  EventNote plain({.slot = 60, .isMemory = false, .title = "CPU busy", .detail = "Busy."}, "Today 10:00", std::nullopt);
  EXPECT_EQ(plain.findChildren<PlainLabel*>().size(), 2u);
  EventNote withMark({.slot = 60, .isMemory = true, .title = "Memory is tight", .detail = std::string(600, 'x')},
                     "Today 10:00", six[0]);
  const auto labels = withMark.findChildren<PlainLabel*>();
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0]->text(), "Today 10:00  Memory is tight");
  EXPECT_TRUE(labels[1]->wordWrap());  // the whole detail, over as many lines as it takes
  EXPECT_TRUE(labels[2]->text().startsWith("Just before: 10:00 "));
}
