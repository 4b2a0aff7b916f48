// The energy page on the recorded laptop and on a machine without a battery, its lists of what
// keeps the computer awake and of the runtime each app costs, and the device batteries.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScrollArea>

#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Charts/BatteryGauge.hpp"
#include "Qel/Kit/Widgets/InfoRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/Energy/DeviceBatteries.hpp"
#include "Qel/Pages/Energy/EnergyPage.hpp"
#include "Qel/Pages/Energy/EnergyRing.hpp"
#include "Qel/Pages/Energy/EnergyRingGeometry.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Pages/LaptopFixture.hpp"
#include "tests/Window/TextFit.hpp"
#include "tests/Window/TextRecorder.hpp"

using namespace qel;
using namespace qel::test;

namespace {

QString figure(PageHead* head) { return head->figure()->runs().empty() ? QString() : head->figure()->runs()[0].text; }
QString stat(StatItem* item) { return item->figure()->text(); }

std::vector<QString> labels(QWidget* root) {
  std::vector<QString> out;
  for (auto* l : root->findChildren<PlainLabel*>())
    if (l->isVisibleTo(root)) out.push_back(l->text());
  return out;
}
bool shows(QWidget* root, const QString& text) {
  const auto all = labels(root);
  return std::find(all.begin(), all.end(), text) != all.end();
}

BTDevice device(std::string name, int percent) { return {name, name, percent, BTDevice::Kind::unknown}; }

}  // namespace

TEST(EnergyRules, topProcessesAndTheLineUnderTheFigure) {
  std::map<std::int32_t, std::vector<double>> energy{{1, {1, 1}}, {2, {5}},    {3, {0.5}}, {4, {2, 2}},
                                                     {5, {3}},    {6, {0.1}},  {7, {4}}};
  EXPECT_EQ(energyTopPids(energy), (std::vector<std::int32_t>{2, 4, 7, 5, 1}));
  EXPECT_EQ(energyTopPids({{9, {1}}, {3, {1}}}), (std::vector<std::int32_t>{3, 9}));  // ties keep pid order
  EXPECT_TRUE(energyTopPids({}).empty());
  EXPECT_EQ(energyTopPids({{1, {NAN, 1}}, {2, {0.5}}}), (std::vector<std::int32_t>{1, 2}));

  EXPECT_EQ(powerNote(12.0), "Whole-computer power, measured by the battery.");
  EXPECT_EQ(powerNote(std::nullopt), "Measured energy isn't available. This is estimated from CPU usage.");
  EXPECT_EQ(energyName({{4, "tracker"}}, 4), "tracker");
  EXPECT_EQ(energyName({{4, ""}}, 4), "Process 4");
  EXPECT_EQ(energyName({}, 77), "Process 77");
}

TEST(EnergyRules, batteryAndChargerWords) {
  const auto desktop = batteryTexts({});
  EXPECT_EQ(desktop.charge, "No battery");
  EXPECT_EQ(desktop.source, "On AC power");
  EXPECT_EQ(desktop.runtimeNote, "");

  BatterySample b{.present = true, .percent = 63, .onAC = true, .charging = true,
                  .charger = {.adapterWatts = 96.4, .inputWatts = {}, .chargingWatts = 12.26}};
  auto t = batteryTexts(b);
  EXPECT_EQ(t.runtimeNote, "63%, charging");
  EXPECT_EQ((std::vector<std::string>{t.adapter, t.input, t.charging}),
            (std::vector<std::string>{"96 W", "Unavailable", "12.3 W"}));
  EXPECT_EQ(t.health, "Unavailable");
  EXPECT_EQ(t.cycles, "Unavailable");
  b.charging = false;
  b.onAC = false;
  t = batteryTexts(b);
  EXPECT_EQ(t.charging, "Not charging");
  EXPECT_EQ(t.source, "On battery");
  EXPECT_EQ(t.runtimeNote, "63%");
  b.charger.adapterWatts = INFINITY;
  EXPECT_EQ(batteryTexts(b).adapter, "Unavailable");
}

TEST(EnergyRules, wakeRowNamesAHolderWithoutItsProcess) {
  const auto gone = wakeRowFacts({4242, "", "", false}, std::nullopt);
  EXPECT_EQ(gone.name, "Process 4242");
  EXPECT_FALSE(gone.published);
  EXPECT_EQ(gone.detail, "Keeps the computer awake when idle or with the lid closed");
  EXPECT_EQ(wakeRowFacts({7, "mpv", "", true}, std::nullopt).name, "mpv");
  ProcInfo p = PageTest::proc(7, "mpv-player", 0);
  const auto shown = wakeRowFacts({7, "mpv", "Video", true}, p);
  EXPECT_EQ(shown.name, "mpv-player");
  EXPECT_EQ(shown.detail, "Keeping the display on");
  EXPECT_TRUE(shown.published);
}

TEST(DeviceBatteryRules, onlyReadingsInRangeAreShown) {
  const auto shown = deviceReadings({device("a", -1), device("b", 0), device("c", 100), device("d", 101)});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].name, "b");
  EXPECT_EQ(shown[1].name, "c");
}

class EnergyPageLaptop : public LaptopPageTest {};

TEST_F(EnergyPageLaptop, figuresMatchTheRecordedMachine) {
  useLaptop(12);  // ten seconds of draw make a forecast
  EnergyPage page{LiveState(*store), ProcessState(*store), InsightState(*store), NavigationState(*store), *store};
  page.resize(1100, 720);
  page.show();
  settle();

  // On AC nothing measures the whole draw, so the figure is the processes' estimate.
  EXPECT_FALSE(store->liveReadings().power);
  EXPECT_EQ(figure(page.head()), QStringLiteral("8.6"));
  EXPECT_EQ(page.head()->subLabel()->text(),
            QStringLiteral("Measured energy isn't available. This is estimated from CPU usage."));
  EXPECT_EQ(stat(page.stats()[0]), QStringLiteral("61%"));
  EXPECT_EQ(stat(page.stats()[1]), QStringLiteral("On AC power"));
  EXPECT_EQ(stat(page.stats()[2]), QStringLiteral("Warm"));

  EXPECT_TRUE(page.charger()->isVisible());
  std::vector<QString> charger;
  for (auto* row : page.chargerRows()) charger.push_back(row->value()->text());
  EXPECT_EQ(charger, (std::vector<QString>{"65 W", "50.0 W", "33.8 W"}));
  EXPECT_TRUE(shows(page.runtimeContent(), QStringLiteral("90%")));
  EXPECT_TRUE(shows(page.runtimeContent(), QStringLiteral("187")));
  EXPECT_EQ(page.runtimeTitle()->runs()[1].text, QStringLiteral("61%, charging"));
  EXPECT_EQ(page.wakeTitle()->runs()[1].text, QStringLiteral("2 processes"));

  // The legend names the five hungriest, hungriest first.
  std::vector<QString> legend;
  for (auto* l : page.legendNames()) legend.push_back(l->text());
  EXPECT_EQ(legend, (std::vector<QString>{"firefox-esr", "Isolated Web Content", "gnome-shell", "code", "pipewire"}));
  EXPECT_EQ(page.ring()->pids(), (std::vector<std::int32_t>{2101, 2102, 2103, 2104, 2105}));
  // The ring's wedges are drawn again only when they change, not on every paint.
  const QImage first = page.ring()->grab().toImage();
  const int drawn = page.ring()->drawings();
  EXPECT_GE(drawn, 1);
  EXPECT_EQ(page.ring()->grab().toImage(), first);
  EXPECT_EQ(page.ring()->drawings(), drawn);
  page.ring()->resize(page.ring()->size() + QSize(20, 20));
  page.ring()->grab();
  EXPECT_EQ(page.ring()->drawings(), drawn + 1);

  // The video holds only the display; the backup's process is not published, so no Details.
  ASSERT_EQ(page.wakeRows().size(), 2u);
  EXPECT_EQ(page.wakeRows()[0]->name()->text(), QStringLiteral("firefox-esr"));
  EXPECT_FALSE(page.wakeEmpty()->isVisible());
  ASSERT_NE(page.wakeRows()[0]->details(), nullptr);
  EXPECT_EQ(page.wakeRows()[1]->name()->text(), QStringLiteral("Process 4242"));
  EXPECT_EQ(page.wakeRows()[1]->details(), nullptr);
  page.wakeRows()[0]->details()->click();
  EXPECT_EQ(store->navigation().detailPID, std::optional<std::int32_t>(2101));
  // Both rows show without scrolling.
  EXPECT_GE(page.wakeRows()[1]->geometry().bottom(), page.wakeRows()[0]->geometry().bottom());
  EXPECT_LE(page.wakeRows()[1]->geometry().bottom(), page.wakeRows()[1]->parentWidget()->parentWidget()->height());

  // A row of the runtime list opens that app's details; it never quits anything.
  const auto forecast = store->runtimeForecast();
  ASSERT_TRUE(forecast);
  const auto gains = page.runtimeContent()->findChildren<GainRow*>();
  ASSERT_EQ(gains.size(), forecast->gains.size());
  ASSERT_FALSE(gains.empty());
  store->setDetailPID(std::nullopt);
  gains.back()->click();
  EXPECT_EQ(store->navigation().detailPID, std::optional<std::int32_t>(forecast->gains.back().pid));
  EXPECT_TRUE(shows(page.runtimeContent(), QStringLiteral("If you unplugged now, about")));

  ASSERT_EQ(page.devices()->rings().size(), 3u);
  EXPECT_TRUE(page.devices()->isVisible());
  EXPECT_FALSE(page.devices()->scroller()->isVisible());
  EXPECT_EQ(page.devices()->rings()[1]->gauge()->chargeColor(), Palette::strain());  // 15 % is low
  EXPECT_EQ(page.devices()->rings()[1]->accessibleDescription(), QStringLiteral("Ergo Keyboard battery low"));
  EXPECT_EQ(page.devices()->rings()[2]->gauge()->chargeColor(), Palette::batteryGreen());
}

// A desktop without a battery whose hungriest processes go by long names, as build and test
// machines' do, sampled for a few seconds.
class EnergyPageDesktop : public PageTest {
 protected:
  static constexpr const char* kLongNames[] = {"fuzz_LsofOutputParser", "binary_backend_service",
                                               "kworker/7:0-mm_percpu_wq", "fuzz_ChargeHistory",
                                               "process_api_gateway"};

  void sampleBusyDesktop() {
    for (int t = 0; t < 5; ++t) {
      Snapshot s;
      for (int i = 0; i < 5; ++i) s.procs.push_back(proc(100 + i, kLongNames[i], 20 - i, 2.0 - 0.3 * i));
      store->apply(s);
    }
  }

  // Shows the energy page in the main window at its smallest size, in `language`, and hands the
  // window to `look`.
  void atTheSmallestWindow(const char* language, const std::function<void(RootView&)>& look) {
    Loc::set(language, nullptr);
    atSmallestWindow(Page::energy, look);
    Loc::set("en", nullptr);
    settle();
  }

  // What the energy page cuts there.
  std::vector<std::string> cutsAtTheSmallestWindow(const char* language) {
    std::vector<std::string> cuts;
    atTheSmallestWindow(language, [&](RootView& root) {
      cuts = cutTexts(root);
      for (const QString& clipped : clippedWidgets(&root)) cuts.push_back(clipped.toStdString());
    });
    return cuts;
  }
};

TEST_F(EnergyPageDesktop, aComputerWithoutABatterySaysSo) {
  Snapshot s;
  s.procs = {proc(10, "make", 80, 3.456)};
  store->apply(s);
  EnergyPage page{LiveState(*store), ProcessState(*store), InsightState(*store), NavigationState(*store), *store};
  page.resize(1100, 720);
  page.show();
  settle();
  EXPECT_EQ(figure(page.head()), QStringLiteral("3.5"));
  EXPECT_EQ(stat(page.stats()[0]), QStringLiteral("No battery"));
  EXPECT_EQ(stat(page.stats()[1]), QStringLiteral("On AC power"));
  EXPECT_FALSE(page.charger()->isVisible());
  EXPECT_EQ(labels(page.runtimeContent()), (std::vector<QString>{"This computer has no battery"}));
  EXPECT_EQ(page.runtimeTitle()->runs()[1].text, QString());
  EXPECT_EQ(page.wakeTitle()->runs()[1].text, QString());
  EXPECT_TRUE(page.wakeRows().empty());
  EXPECT_TRUE(page.wakeEmpty()->isVisible());
  EXPECT_FALSE(page.devices()->isVisible());  // no device: no room taken

  // When the system can't say who prevents sleep, the card doesn't claim that nothing does.
  s.slow = true;
  s.wake = std::nullopt;
  store->apply(s);
  settle();
  EXPECT_EQ(page.wakeEmpty()->text(), QStringLiteral("What is preventing sleep can't be read on this computer."));
}

TEST_F(EnergyPageDesktop, sevenDevicesScrollSixDoNot) {
  DeviceBatteries section;
  std::vector<BTDevice> devices;
  for (int i = 0; i < 6; ++i) devices.push_back(device("Device " + std::to_string(i), 10 * i + 5));
  section.setDevices(devices);
  section.resize(220, 400);
  section.show();
  settle();
  EXPECT_EQ(section.rings().size(), 6u);
  EXPECT_FALSE(section.scroller()->isVisible());
  EXPECT_EQ(section.rings()[3]->pos().y(), section.rings()[4]->pos().y());  // the second row
  EXPECT_GT(section.rings()[3]->pos().y(), section.rings()[0]->pos().y());

  devices.push_back(device("Device 6", 50));
  section.setDevices(devices);
  settle();
  EXPECT_EQ(section.rings().size(), 7u);
  EXPECT_TRUE(section.scroller()->isVisible());
  EXPECT_EQ(section.scroller()->height(), 182);
  EXPECT_EQ(section.scroller()->toolTip(), QStringLiteral("Scroll to see more devices."));
  EXPECT_GT(section.scroller()->widget()->sizeHint().height(), 182);  // the third row is out of sight

  section.setDevices({device("Gone", -1)});
  settle();
  EXPECT_FALSE(section.isVisible());
}

TEST_F(EnergyPageDesktop, theSmallestWindowCutsNothingInAnyLanguage) {
  // Without a battery the runtime card holds one sentence, which in some languages is wider than
  // the card: it wraps rather than widen the column past the window's edge.
  Fonts::load();
  sampleBusyDesktop();
  for (const auto& language : Loc::languages) {
    const std::string code(language.code);
    const auto cuts = cutsAtTheSmallestWindow(code.c_str());
    EXPECT_TRUE(cuts.empty()) << code << listed(cuts);
  }
}

TEST_F(EnergyPageDesktop, aLongLegendNameEndsInAnEllipsisWithTheWholeNameInItsTip) {
  sampleBusyDesktop();
  atTheSmallestWindow("en", [&](RootView& root) {
    auto* page = root.findChild<EnergyPage*>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->legendNames().size(), 5u);
    for (std::size_t k = 0; k < page->legendNames().size(); ++k) {
      PlainLabel* name = page->legendNames()[k];
      const QString whole = QString::fromLatin1(kLongNames[k]);
      EXPECT_EQ(name->text(), whole);
      // All of the label shows: its entry leaves it its whole width.
      EXPECT_TRUE(name->parentWidget()->rect().contains(name->geometry())) << whole.toStdString();
      const QString drawn = name->shownText();
      EXPECT_LE(name->fontMetrics().horizontalAdvance(drawn), name->contentsRect().width()) << whole.toStdString();
      if (drawn != whole) {
        EXPECT_TRUE(drawn.endsWith(QChar(0x2026))) << drawn.toStdString();
        name->grab();  // the tip is set as the name is drawn
        EXPECT_TRUE(name->toolTip().contains(whole)) << name->toolTip().toStdString();
      }
    }
    // The longest is cut.
    EXPECT_NE(page->legendNames()[2]->shownText(), QString::fromLatin1(kLongNames[2]));
  });
}

TEST_F(EnergyPageDesktop, theWordsInTheRingsMiddleKeepAGapToItsBars) {
  // In the smallest window the ring is at its narrowest: each line of its middle is set smaller
  // rather than touch the bars round the hole.
  Fonts::load();
  Snapshot s;
  s.procs = {proc(10, "make", 80, 16.04)};
  store->apply(s);
  for (const char* language : {"en", "ru", "de", "fr", "es"}) {
    atTheSmallestWindow(language, [&](RootView& root) {
      auto* ring = root.findChild<EnergyRing*>();
      ASSERT_NE(ring, nullptr);
      const QRectF square = squareFit(QSizeF(ring->size()));
      const std::vector<std::vector<double>> none;
      const auto layout =
          energyRingLayout(square.width(), {none, store->liveReadings().energyByPid, store->liveReadings().powerHist});
      const QPointF centre = square.topLeft() + QPointF(layout.centre, layout.centre);
      TextRecorder recorder(ring->size());
      ring->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
      int middle = 0;
      for (const auto& text : recorder.texts()) {
        if (reachFrom(centre, text.ink) > layout.outer) continue;  // a time round the outside
        ++middle;
        EXPECT_LE(reachFrom(centre, text.ink), layout.inner - Space::xs)
            << language << ", " << text.text.toStdString() << " at " << square.width();
      }
      EXPECT_EQ(middle, 4) << language;  // "Right now", the figure, its unit and "On AC power"
    });
  }
}
