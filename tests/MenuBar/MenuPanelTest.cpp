// The tray panel's content: its rules as pure functions, its cells drawn offscreen and probed at
// computed points, and the whole panel on the busy afternoon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QLayout>
#include <map>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include "Qel/App/PanelParts.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuCell.hpp"
#include "Qel/MenuBar/MiniCell.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/MenuBar/MiniRing.hpp"
#include "Qel/MenuBar/PanelBatteries.hpp"
#include "Qel/MenuBar/PanelBodyScroll.hpp"
#include "Qel/MenuBar/PanelFacts.hpp"
#include "Qel/MenuBar/PanelProcRow.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/MenuBar/PanelToast.hpp"
#include "Qel/MenuBar/PanelToggle.hpp"
#include "Qel/MenuBar/SleepRowButton.hpp"
#include "Qel/MenuBar/TodayStrip.hpp"
#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Kit/Charts/BatteryGauge.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/StableValue.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Pointer.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"
#include "tests/Window/TextRecorder.hpp"

namespace qel {
namespace {

using test::BusyAfternoon;

void click(QWidget* w, std::optional<QPoint> at = std::nullopt) {
  const QPointF p = at ? QPointF(*at) : QPointF(w->rect().center());
  const QPointF g = w->mapToGlobal(p);
  QMouseEvent press(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, {});
  QMouseEvent release(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, {}, {});
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

bool near(QColor a, QColor b, int tolerance = 6) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(PanelFacts, textsFollowTheStoreValues) {
  EXPECT_EQ(pressureExtra(59.5), "Pressure 60%");
  EXPECT_EQ(pressureExtra(59.4), "Pressure 59%");
  EXPECT_EQ(MemSample{}.usedFraction(), 0);
  EXPECT_DOUBLE_EQ((MemSample{.total = 100, .app = 20, .wired = 10, .compressed = 5}.usedFraction()), 0.35);

  EXPECT_EQ(energyFigure(std::nullopt, 7.25).extra, "Process sum");
  EXPECT_EQ(energyFigure(std::nullopt, 7.25).value, "7.2 W");
  EXPECT_EQ(energyFigure(12.0, 7.25).value, "12.0 W");
  EXPECT_EQ(energyFigure(12.0, 7.25).extra, "Measured");

  EXPECT_EQ(batteryValue(BatterySample{}), "None");
  EXPECT_EQ(batteryNote(BatterySample{}, std::nullopt), "This computer has no battery");
  EXPECT_EQ(batteryNote({.present = true, .percent = 50, .onAC = true}, RuntimeForecast{.minutes = 90}), "On AC power");
  EXPECT_EQ(batteryNote({.present = true, .percent = 50}, RuntimeForecast{.minutes = 90}), "about 1 h 30 min left");
  EXPECT_EQ(batteryNote({.present = true, .percent = 50}, std::nullopt), "On battery");

  EXPECT_EQ(panelSubtitle({Level::calm, "Calm", "whatever"}), "Nothing unusual in the last 60 seconds");
  EXPECT_EQ(panelSubtitle({Level::high, "Busy", "rustc is using 4 cores"}), "rustc is using 4 cores");
  EXPECT_EQ(todayNote(0), "Nothing worth a look yet");
  EXPECT_EQ(todayNote(3), "3 things worth a look. Click a dot.");

  EXPECT_EQ(uptimeText(59 * 60), "Just booted");
  EXPECT_EQ(uptimeText(47 * 3600 + 59 * 60), "Up 47 h");
  EXPECT_EQ(uptimeText(48 * 3600), "Up 2 days");
  EXPECT_EQ(uptimeText(71 * 3600), "Up 2 days");
  EXPECT_EQ(uptimeText(std::nan("")), "Just booted");
}

TEST(PanelFacts, topProcessesAndTheirIdentity) {
  EXPECT_FALSE(procIsHot(29.9));
  EXPECT_TRUE(procIsHot(30.0));
  EXPECT_EQ(procCpuText(5), "5.0%");
  std::vector<ProcInfo> procs;
  for (int i = 0; i < 7; ++i) procs.push_back({.pid = i + 1, .cpu = i == 3 ? 50.0 : 10.0});
  const auto top = topProcs(procs);
  ASSERT_EQ(top.size(), 5u);
  EXPECT_EQ(top[0].pid, 4);
  EXPECT_EQ(top[1].pid, 1);  // equal ones keep the store's order
  EXPECT_EQ(top[4].pid, 5);
  EXPECT_EQ(topProcs({procs[0]}).size(), 1u);

  const ProcInfo seen{.pid = 42, .startTime = 1000};
  EXPECT_TRUE(findProc(keyOf(seen), {{.pid = 42, .startTime = 1000}}));
  EXPECT_FALSE(findProc(keyOf(seen), {{.pid = 42, .startTime = 2000}}));  // the pid was taken again
  EXPECT_FALSE(findProc(keyOf(seen), {}));
}

TEST(PanelFacts, lowDevicesAreNamedInListOrder) {
  const std::vector<BTDevice> devices = {{"a", "Mouse", 19}, {"b", "Pen", 20}, {"c", "Keyboard", 0}, {"d", "Pad", -1}};
  EXPECT_EQ(bluetoothNote(devices), "Mouse battery low, Keyboard battery low");
  EXPECT_EQ(bluetoothNote({devices[1]}), "");
  EXPECT_TRUE(anyDeviceCharge(devices));
  EXPECT_FALSE(anyDeviceCharge({{"d", "Pad", -1}, {"e", "Watch", 101}}));
  EXPECT_FALSE(anyDeviceCharge({}));
}

TEST(PanelToastPlace, thePillKeepsClearOfTheControlsAndInsideTheCard) {
  const QSize card(384, 800), toast(200, 28 + 2 * PanelToast::kShadow);
  const auto pillOf = [](QRect frame) { return frame.adjusted(PanelToast::kShadow, PanelToast::kShadow, -PanelToast::kShadow, -PanelToast::kShadow); };
  // Above the switches, centred.
  const QRect above = pillOf(panelToastFrame(card, toast, 700));
  EXPECT_EQ(above.bottom() + 1, 700 - PanelToast::kGap);
  EXPECT_EQ(above.left(), (384 - 200) / 2 + PanelToast::kShadow);
  // Without controls in view: its usual height above the card's lower edge.
  EXPECT_EQ(pillOf(panelToastFrame(card, toast, std::nullopt)).bottom() + 1, 800 - PanelToast::kRaise);
  // Controls at the very top or past the end never push it off the card.
  EXPECT_GE(pillOf(panelToastFrame(card, toast, 3)).top(), 0);
  EXPECT_LE(pillOf(panelToastFrame(card, toast, 5000)).bottom(), 800);
  // A message wider than the card is cut to the card.
  EXPECT_EQ(panelToastFrame(card, QSize(900, 52), 700).width(), 384);

  // A long message wraps inside the card instead of losing its end.
  QWidget host;
  host.resize(card);
  PanelToast shortOne(&host), longOne(&host);
  shortOne.setMessage(QStringLiteral("Kept awake"));
  longOne.setMessage(QStringLiteral("Couldn't prevent sleep. The system refused the request: no logind answers on "
                                    "the system bus of this machine."));
  EXPECT_LE(longOne.width(), card.width());
  EXPECT_GT(longOne.height(), shortOne.height());
}

TEST(MiniRingGeometry, tonesOpacityAndTheSliver) {
  const auto w = miniRingWedges({0.0, 0.5, 0.75, 0.9}, 0, QSizeF(92, 92));
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(w[1].tone, WedgeTone::series);
  EXPECT_EQ(w[2].tone, WedgeTone::warm);
  EXPECT_EQ(w[3].tone, WedgeTone::hot);
  EXPECT_DOUBLE_EQ(w[0].opacity, 0.3);
  EXPECT_DOUBLE_EQ(w[3].opacity, 1.0);
  const double t = w[0].outerRadius - w[0].innerRadius;
  EXPECT_NEAR(w[0].valueOuterRadius - w[0].innerRadius, 0.05 * t, 1e-9);
  EXPECT_NEAR(w[0].outerRadius, 44, 1e-9);
  EXPECT_NEAR(w[0].startAngle, -M_PI / 2 + (M_PI / 2) * 0.2, 1e-9);  // the first slot starts at the top
  EXPECT_DOUBLE_EQ(miniRingWedges({0.4}, 1, QSizeF(92, 92))[0].opacity, 0.3);
  EXPECT_NEAR(miniRingWedges({0.4}, 1, QSizeF(92, 92))[0].outerRadius, 44 - t - 3, 1e-9);
  EXPECT_TRUE(miniRingWedges({}, 0, QSizeF(92, 92)).empty());
}

TEST(TodayStripGeometry, barsStayUnderTheDotRow) {
  std::vector<std::optional<DayBucket>> day(144);
  day[0] = DayBucket{.cpu = 1.5, .count = 60};
  day[1] = DayBucket{.cpu = 0.88, .count = 60};
  day[2] = DayBucket{.cpu = 0.87, .count = 60};
  day[3] = DayBucket{.cpu = 0.69, .count = 60};
  day[4] = DayBucket{.cpu = 0.5, .count = 0};
  const auto bars = stripBars(day, QSizeF(288, 44));
  ASSERT_EQ(bars.size(), 144u);
  EXPECT_DOUBLE_EQ(bars[0].rect.top(), 10);
  EXPECT_EQ(bars[1].tone, StripTone::hot);
  EXPECT_EQ(bars[2].tone, StripTone::warm);
  EXPECT_EQ(bars[3].tone, StripTone::calm);
  EXPECT_EQ(bars[4].tone, StripTone::empty);
  EXPECT_DOUBLE_EQ(bars[4].rect.height(), 2);
  EXPECT_DOUBLE_EQ(bars[143].rect.left(), 286);
  EXPECT_DOUBLE_EQ(stripDot(143, 288).x(), 287);
}

TEST(PanelBackdrop, aGradientLitFromTheCornerRoundedAndDitheredTrueOnAverage) {
  const PanelBackdropLook look{QSize(384, 600), 1, true, panelGlowTint(Level::high).rgb()};
  const QImage image = paintPanelBackdrop(look);
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // outside the rounded corner
  EXPECT_EQ(qAlpha(image.pixel(383, 599)), 0);
  // An 8 by 8 block holds each threshold of the dither once: its mean is the colour wanted.
  for (const QPoint at : {QPoint(40, 40), QPoint(192, 296), QPoint(296, 560)}) {
    double r = 0, g = 0, b = 0;
    for (int y = at.y(); y < at.y() + 8; ++y)
      for (int x = at.x(); x < at.x() + 8; ++x)
        r += qRed(image.pixel(x, y)), g += qGreen(image.pixel(x, y)), b += qBlue(image.pixel(x, y));
    const QColor mean(int(std::lround(r / 64)), int(std::lround(g / 64)), int(std::lround(b / 64)));
    EXPECT_TRUE(test::near(mean, panelBackdropAt(look, QPointF(at) + QPointF(4, 4)), 1)) << at.x();
  }
  const QColor corner = panelBackdropAt(look, QPointF(20, 20));
  EXPECT_GT(corner.red() - corner.blue(), 5);  // the glow's tint
  EXPECT_TRUE(test::near(panelBackdropAt(look, QPointF(300, 300)),
                         test::over(panelBackdropTop(true), panelBackdropBottom(true), 0.5), 1));  // out of its reach
  QImage again = image;  // a new tint repaints the glow's corner as a fresh picture would be
  PanelBackdropLook calm = look;
  calm.tint = panelGlowTint(Level::calm).rgb();
  repaintPanelGlow(again, calm);
  EXPECT_EQ(again, paintPanelBackdrop(calm));
}

class MenuPanelTest : public ::testing::Test {
 protected:
  MenuPanelTest() { test::useAppearance("light"); }
  ~MenuPanelTest() override { test::useAppearance("light"); }

  std::unique_ptr<MenuPanel> makePanel() {
    auto panel = std::make_unique<MenuPanel>(panelParts(*fx.store),
                                             MenuPanel::Actions{.openMain = [this] { ++opened; },
                                                                .replay = [this] { ++replays; },
                                                                .quit = [] {},
                                                                .memoryAdvice = [this]() -> QWidget* {
                                                                  Store& s = *fx.store;
                                                                  return new MemoryAdviceCard(LiveState(s), ProcessState(s),
                                                                                              InsightState(s), s, s,
                                                                                              true);
                                                                }});
    panel->setFixedWidth(352);
    panel->adjustSize();
    panel->show();
    BusyAfternoon::settle();
    return panel;
  }

  BusyAfternoon fx;
  int opened = 0;
  int replays = 0;
};

TEST_F(MenuPanelTest, cellsDrawTheirColoursWhereTheyBelong) {
  // The newest CPU second of the ring at the top-left of the ring's end, drawn opaque.
  test::Host host(new MiniRing(LiveState(*fx.store)), {92, 92});
  const auto wedges = miniRingWedges(fx.store->liveReadings().cpuHist, 0, QSizeF(92, 92));
  const auto& last = wedges.back();
  const double mid = (last.startAngle + last.endAngle) / 2;
  const double r = last.innerRadius + 1.5;
  const QColor want = last.tone == WedgeTone::hot    ? PanelStyle::hot()
                      : last.tone == WedgeTone::warm ? PanelStyle::warm()
                                                     : PanelStyle::accent();
  const QColor got = host.at(int(46 + r * std::cos(mid)), int(46 + r * std::sin(mid)));
  EXPECT_TRUE(near(got, want, 30)) << got.name().toStdString() << " " << want.name().toStdString();
  // The centre stays empty.
  EXPECT_EQ(host.at(46, 46), QColor(Qt::white));

  auto* cell = new MenuCell("CPU", Palette::rgb(0x2A826D), 1.0);
  cell->setFigures("42%", "Load 1.00", {0.2, 0.4});
  test::Host cellHost(cell, {170, cell->sizeHint().height()});
  // The cell's shade is black at 6 % over white; the swatch is the cell's colour.
  EXPECT_TRUE(near(cellHost.at(85, 4), test::over(Qt::white, Qt::black, 0.06), 2));
  const int swatchTop = 9 + int((QFontMetricsF(Fonts::text(11.5)).height() - 7) / 2);
  EXPECT_TRUE(near(cellHost.at(14, swatchTop + 3), Palette::rgb(0x2A826D)));
  EXPECT_EQ(cellHost.at(0, 0), QColor(Qt::white));  // the rounded corner leaves the host showing

  auto* toggle = new PanelToggle("moon.fill", "Quiet mode");
  test::Host toggleHost(toggle, {110, toggle->sizeHint().height()});
  // The disc left of its symbol: the shade while off, the accent while on.
  EXPECT_TRUE(near(toggleHost.at(14, 21), test::over(test::over(Qt::white, Qt::black, 0.06), Qt::black, 0.1), 3)) << toggleHost.at(14, 21).name().toStdString();
  toggle->setState(true, "On");
  EXPECT_TRUE(near(toggleHost.at(14, 21), PanelStyle::accent(), 8)) << toggleHost.at(14, 21).name().toStdString();
  toggle->setState(false, "Throttle heavy background work <b>now</b>");
  // Its whole text as a tool tip, shown as written, never as markup.
  EXPECT_TRUE(toggle->toolTip().contains("Throttle heavy background work &lt;b&gt;now&lt;/b&gt;"))
      << toggle->toolTip().toStdString();
}

TEST_F(MenuPanelTest, stripClickSelectsTheSlotAndOpensTheMainWindow) {
  auto panel = makePanel();
  const auto events = fx.store->events();
  ASSERT_FALSE(events.empty());
  fx.store->setPage(Page::cpu);
  fx.store->setRingMode(RingMode::live);
  TodayStrip* strip = panel->strip();
  const QPointF dot = stripDot(events.front().slot, strip->width());
  click(strip, dot.toPoint());
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(fx.store->navigation().page, Page::overview);
  EXPECT_EQ(fx.store->dayView().ringMode, RingMode::day);
  // Neighbouring dots share their click squares; the one drawn last takes the click.
  int expected = events.front().slot;
  for (const auto& e : events)
    if (std::abs(stripDot(e.slot, strip->width()).x() - dot.x()) <= 8) expected = e.slot;
  EXPECT_EQ(fx.store->dayView().selectedSlot, expected);
  // A click between dots, below the dot row, does nothing.
  click(strip, QPoint(2, 40));
  EXPECT_EQ(opened, 1);
}

TEST_F(MenuPanelTest, eachSwitchActsOncePerClick) {
  auto panel = makePanel();
  click(panel->toggle(2));
  EXPECT_TRUE(fx.store->isMuted());
  BusyAfternoon::settle();
  EXPECT_TRUE(panel->toggle(2)->isOn());
  click(panel->toggle(2));
  EXPECT_FALSE(fx.store->isMuted());

  click(panel->toggle(0));
  EXPECT_TRUE(fx.store->taming().quietOn);
  BusyAfternoon::settle();
  EXPECT_TRUE(panel->toggle(0)->isOn());
  // The store's word on it shows in the panel's own toast.
  ASSERT_TRUE(fx.store->navigation().toast);
  EXPECT_TRUE(panel->toast()->isVisible());
  EXPECT_EQ(panel->toast()->text(), QString::fromStdString(*fx.store->navigation().toast));
}

TEST_F(MenuPanelTest, keepAwakeTakesAndGivesBackOneLockPerClick) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  auto panel = makePanel();
  click(panel->toggle(1));
  EXPECT_TRUE(fx.store->taming().awakeUntil);
  BusyAfternoon::settle();
  EXPECT_TRUE(panel->toggle(1)->isOn());
  EXPECT_EQ(fx.store->navigation().toast, "Won't sleep when idle for the next 2 hours");
  click(panel->toggle(1));
  EXPECT_FALSE(fx.store->taming().awakeUntil);
  BusyAfternoon::settle();
  EXPECT_FALSE(panel->toggle(1)->isOn());
}

TEST_F(MenuPanelTest, aRowsBarTurnsWarmFromThirtyPercent) {
  for (double cpu : {29.9, 30.0}) {
    auto* row = new PanelProcRow(ProcessState(*fx.store), *fx.store, {});
    row->setProc({.pid = 9, .name = "worker", .cpu = cpu}, QIcon());
    test::Host host(row, {340, PanelProcRow::kHeight});
    // The bar stands left of the figure and the End column; its filled start is the row's tone.
    const int barLeft = 340 - PanelProcRow::endWidth() - 8 - 50 - 8 - 54;
    const QColor want = cpu >= 30 ? PanelStyle::warm() : PanelStyle::grey();
    EXPECT_TRUE(test::near(host.at(barLeft + 4, PanelProcRow::kHeight / 2), want, 10)) << cpu;
    EXPECT_EQ(QString::fromStdString(procCpuText(cpu)), cpu >= 30 ? "30.0%" : "29.9%");
  }
}

// The summary's lines as the sleep row draws them (each baseline's runs joined), top to bottom.
std::vector<QString> summaryLines(SleepRowButton& row) {
  test::TextRecorder recorder(row.size());
  row.render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
  std::map<int, QString> lines;
  for (const auto& t : recorder.texts())
    if (t.text != QString::fromStdString(L("View")) && t.font.family() != Fonts::iconFamily())
      lines[int(std::lround(t.origin.y()))] += t.text;
  std::vector<QString> out;
  for (auto& [y, line] : lines) out.push_back(line.trimmed());
  return out;
}

TEST_F(MenuPanelTest, theSleepRowBreaksItsSummaryBetweenItsPartsOnly) {
  struct Back { ~Back() { Loc::set("system", nullptr); } } back;
  const Date start = fx.clock.now() - std::chrono::hours(8);
  const SleepSession sleep{.start = start, .end = start + std::chrono::minutes(390), .chargeStart = 84,
                           .chargeEnd = 81, .onBattery = true, .wakes = {{}, {}}};
  for (const char* code : {"ja", "zh-Hans", "ko", "de", "ru", "en"}) {
    Loc::set(code, nullptr);
    const QString summary = QString::fromStdString(fx.store->sleepSummary(sleep));
    const QStringList parts = summary.split(QStringLiteral(" · "));
    ASSERT_EQ(parts.size(), 3) << code;
    // At the panel's width, and narrower ones where they break at each place in turn.
    for (int width : {kPanelContentWidth, 330, 300, 280, 260}) {
      SleepRowButton row;
      row.setSummary(summary);
      row.resize(width, row.heightForWidth(width));
      QStringList shown;
      for (const QString& line : summaryLines(row)) {
        for (QString part : line.split(QChar(0x00B7), Qt::SkipEmptyParts))
          if (!(part = part.trimmed()).isEmpty()) shown << part;
      }
      // Every line holds whole parts: 復帰 of "復帰：2" is never split over two.
      EXPECT_EQ(shown, parts) << code << " at " << width << ": " << shown.join(" | ").toStdString();
    }
  }
}

TEST_F(MenuPanelTest, theEndColumnsWordIsWholeInEveryLanguage) {
  struct Back { ~Back() { Loc::set("system", nullptr); } } back;
  for (const char* code : {"en", "de", "ru", "fr", "es", "pt-BR"})
    for (const bool system : {false, true}) {
      Loc::set(code, nullptr);
      auto* row = new PanelProcRow(ProcessState(*fx.store), *fx.store, {});
      row->setProc({.pid = 9, .name = "worker", .cpu = 10, .isSystem = system}, QIcon());
      test::Host host(row, {340, PanelProcRow::kHeight});
      QEnterEvent enter(QPointF(300, 13), QPointF(300, 13), QPointF(300, 13));
      QApplication::sendEvent(row, &enter);
      // A word cut by its column leaves ink on the column's edges.
      const QImage image = host.image();
      for (const int x : {row->endRect().left(), row->endRect().left() + 1, 338, 339})
        for (int y = 0; y < PanelProcRow::kHeight; ++y)
          ASSERT_GE(qGray(image.pixel(x, y)), 200) << code << " system " << system << " x " << x;
    }
}

TEST_F(MenuPanelTest, optionalSectionsKeepTheirStateWhileOpen) {
  ASSERT_TRUE(fx.store->sleepRecord().sleepAtOpen);
  auto panel = makePanel();
  ASSERT_NE(panel->sleepRow(), nullptr);
  // A day later the sleep is too old to show; the open panel keeps its row, a new one has none.
  fx.clock.advance(std::chrono::hours(20));
  Snapshot s;
  s.tick = 61;
  s.mem = fx.store->liveReadings().mem;
  fx.store->apply(s);
  BusyAfternoon::settle();
  EXPECT_FALSE(fx.store->sleepRecord().sleepAtOpen);
  EXPECT_TRUE(panel->sleepRow()->isVisible());
  EXPECT_TRUE(panel->sections().sleepShown);
  auto later = makePanel();
  EXPECT_EQ(later->sleepRow(), nullptr);

  click(panel->sleepRow());
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(fx.store->navigation().sleepReport);
}

TEST_F(MenuPanelTest, aRowActsOnlyOnTheProcessItWasMadeFor) {
  auto* rowWidget = new PanelProcRow(ProcessState(*fx.store), *fx.store, [this](const ProcInfo&) { ++opened; });
  PanelProcRow& row = *rowWidget;
  const ProcInfo gone{.pid = 2311, .name = "firefox", .cpu = 40, .startTime = 77};  // the store's 2311 started at 0
  row.setProc(gone, QIcon());
  test::Host host(rowWidget, {340, PanelProcRow::kHeight});
  click(&row, QPoint(60, 13));
  EXPECT_EQ(opened, 0);
  click(&row, row.endRect().center());
  EXPECT_FALSE(fx.store->navigation().toast);  // nothing was ended

  ProcInfo live = fx.store->processList().procs.front();
  row.setProc(live, QIcon());
  click(&row, QPoint(60, 13));
  EXPECT_EQ(opened, 1);
}

TEST_F(MenuPanelTest, topProcessesHoldStillWhileThePointerIsOverThem) {
  auto panel = makePanel();
  int tick = 70;
  const auto publish = [&](std::vector<ProcInfo> procs) {
    Snapshot s;
    s.tick = ++tick;
    s.mem = fx.store->liveReadings().mem;
    s.procs = std::move(procs);
    fx.store->apply(s);
    BusyAfternoon::settle();
  };
  const ProcInfo a{.pid = 501, .name = "a", .cpu = 50, .startTime = 1};
  ProcInfo b{.pid = 502, .name = "b", .cpu = 40, .startTime = 1};
  const ProcInfo c{.pid = 503, .name = "c", .cpu = 30, .startTime = 1};
  publish({a, b, c});
  QWidget* list = panel->procRow(0)->parentWidget();
  test::pointerComesOver(list, {10, 10});

  // b overtakes a: every row keeps its process, with the figures of now.
  b.cpu = 90;
  publish({a, b, c});
  EXPECT_EQ(panel->procRow(0)->proc().pid, 501);
  EXPECT_EQ(panel->procRow(1)->proc().cpu, 90);
  // a ends: its row stays, faded, and its End does nothing.
  const auto toast = fx.store->navigation().toast;
  publish({b, c});
  EXPECT_TRUE(panel->procRow(0)->ended());
  EXPECT_EQ(panel->procRow(1)->proc().pid, 502);
  click(panel->procRow(0), panel->procRow(0)->endRect().center());
  EXPECT_EQ(fx.store->navigation().toast, toast);

  // The pointer leaves: the list sorts itself at once.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(list, &leave);
  BusyAfternoon::settle();
  EXPECT_EQ(panel->procRow(0)->proc().pid, 502);
  EXPECT_FALSE(panel->procRow(0)->ended());
  EXPECT_FALSE(panel->procRow(2)->isVisible());
}

TEST_F(MenuPanelTest, aHostileNameIsShownAsPlainText) {
  auto* rowWidget = new PanelProcRow(ProcessState(*fx.store), *fx.store, {});
  PanelProcRow& row = *rowWidget;
  const std::string hostile = "<b>big</b>\x1b[31m\n<img src=x>";
  row.setProc({.pid = 9, .name = hostile, .cpu = 1}, QIcon());
  EXPECT_EQ(row.accessibleName().toStdString(), displayName(hostile));
  EXPECT_TRUE(row.accessibleName().contains("<b>big</b>"));  // shown as written, not read as markup
  EXPECT_FALSE(row.accessibleName().contains('\n'));
  test::Host host(rowWidget, {340, PanelProcRow::kHeight});
  // Drawn in the primary text colour from the name's start, as text would be, not as bold or an image.
  const QImage image = host.image();
  bool ink = false;
  for (int x = 26; x < 60 && !ink; ++x)
    for (int y = 6; y < 20 && !ink; ++y) ink = image.pixelColor(x, y).lightness() < 128;
  EXPECT_TRUE(ink);
}

TEST_F(MenuPanelTest, aDeviceCellDrawsItsChargeAndWarnsBelowTwentyPercent) {
  for (int percent : {19, 20, 72}) {
    auto* cell = new PanelBatteryCell({"k", "<b>Pen</b>", percent, BTDevice::Kind::unknown});
    test::Host host(cell, {PanelBatteryCell::kWidth, PanelBatteryCell::kHeight});
    const bool low = percent < 20;
    const QColor hot = PanelStyle::hot();
    // Twelve o'clock on the ring is always charged; nine o'clock only from 75 %.
    const QRectF circle = batteryGaugeShape(QSizeF(36, 36), percent).circle;
    const QColor charge = low ? hot : Palette::batteryGreen();
    EXPECT_TRUE(test::near(host.at(int(circle.center().x()), int(circle.top())), charge, 40)) << percent;
    const QColor nine = host.at(int(circle.left()), int(circle.center().y()));
    EXPECT_FALSE(test::near(nine, charge, 40)) << percent;
    EXPECT_TRUE(test::near(nine, test::over(Qt::white, Qt::black, 0.11), 12)) << percent;
    EXPECT_EQ(cell->value()->text(), QString::number(percent) + "%");
    EXPECT_EQ(cell->gauge()->chargeColor(), low ? hot : Palette::batteryGreen());
    EXPECT_EQ(cell->accessibleDescription(),
              low ? QString("<b>Pen</b> battery low") : QString("Battery %1%").arg(percent));
    // The name is drawn as written, markup and all.
    EXPECT_EQ(cell->shownName(), "<b>Pen</b>");
    EXPECT_EQ(cell->toolTip(), plainToolTip(QString("<b>Pen</b> · Battery %1%").arg(percent)));
  }
}

TEST_F(MenuPanelTest, theBluetoothSectionIsDecidedWhenThePanelOpens) {
  auto before = makePanel();
  EXPECT_EQ(before->bluetoothRow(), nullptr);

  ASSERT_TRUE(fx.connectDevices(BusyAfternoon::deskDevices()));
  BusyAfternoon::settle();
  EXPECT_EQ(before->bluetoothRow(), nullptr);  // a sample while open adds no section
  auto with = makePanel();
  ASSERT_NE(with->bluetoothRow(), nullptr);
  ASSERT_EQ(with->batteries()->cells().size(), 3u);
  EXPECT_EQ(with->bluetoothNote()->text(), "Ergo Keyboard battery low");

  // A device without a reading beside ones with a charge gets no cell (no "-1%" gauge).
  auto devices = BusyAfternoon::deskDevices();
  devices.push_back({"y", "Old Speaker", -1});
  ASSERT_TRUE(fx.connectDevices(devices));
  BusyAfternoon::settle();
  EXPECT_EQ(with->batteries()->cells().size(), 3u);

  // Devices that stop reporting a charge leave "Not connected" in the open panel's section.
  ASSERT_TRUE(fx.connectDevices({{"x", "Old Speaker", -1}}));
  BusyAfternoon::settle();
  ASSERT_NE(with->bluetoothRow(), nullptr);
  EXPECT_FALSE(with->batteries()->isVisible());
  EXPECT_EQ(with->bluetoothNote()->text(), "");
  EXPECT_EQ(makePanel()->bluetoothRow(), nullptr);
}

TEST_F(MenuPanelTest, theMemoryAdviceIsDecidedWhenThePanelOpens) {
  auto before = makePanel();
  EXPECT_EQ(before->memoryAdvice(), nullptr);
  Snapshot s;
  s.tick = 61;
  s.mem = fx.store->liveReadings().mem;
  s.mem.pressure = 66;
  s.procs = fx.store->processList().procs;
  fx.store->apply(s);
  BusyAfternoon::settle();
  ASSERT_TRUE(fx.store->insightFindings().adviceAtOpen);
  EXPECT_EQ(before->memoryAdvice(), nullptr);
  auto with = makePanel();
  ASSERT_NE(with->memoryAdvice(), nullptr);
  EXPECT_TRUE(with->memoryAdvice()->isVisible());
  // The pressure falls while it is open: the card stays until the panel opens again.
  s.tick = 62;
  s.mem.pressure = 30;
  fx.store->apply(s);
  BusyAfternoon::settle();
  EXPECT_FALSE(fx.store->insightFindings().adviceAtOpen);
  EXPECT_TRUE(with->memoryAdvice()->isVisible());
  EXPECT_EQ(makePanel()->memoryAdvice(), nullptr);
}

TEST_F(MenuPanelTest, theToastLeavesTheSwitchesInSight) {
  ASSERT_TRUE(fx.connectDevices(BusyAfternoon::deskDevices()));
  PanelCard card;
  auto* panel = new MenuPanel(panelParts(*fx.store), {});
  card.layout()->addWidget(panel);
  card.adjustSize();
  card.show();
  BusyAfternoon::settle();
  click(panel->toggle(2));
  BusyAfternoon::settle();
  PanelToast* toast = panel->toast();
  ASSERT_TRUE(toast->isVisible());
  ASSERT_EQ(toast->parentWidget(), &card);
  const QRect pill = toast->pill().translated(toast->pos());
  for (int i = 0; i < 3; ++i) {
    const QRect tile(panel->toggle(i)->mapTo(&card, QPoint(0, 0)), panel->toggle(i)->size());
    EXPECT_FALSE(pill.intersects(tile)) << i;
  }
  EXPECT_GT(pill.top(), 0);
  // Drawn where it was placed: the pill's middle shows its own fill, the reverse of the card.
  const QImage shot = card.grab().toImage();
  EXPECT_TRUE(test::near(shot.pixelColor(pill.left() + 4, pill.center().y()), Palette::rgb(0x10161A), 8));
}

TEST_F(MenuPanelTest, onACardShorterThanItsSectionsTheyScrollAndTheFooterStaysInReach) {
  PanelCard card;
  auto* panel = new MenuPanel(panelParts(*fx.store), {});
  card.layout()->addWidget(panel);
  const int whole = card.sizeHint().height();
  card.resize(card.width(), 520);  // the room a short screen leaves
  card.show();
  BusyAfternoon::settle();
  for (auto* b : panel->findChildren<QAbstractButton*>())  // the switches and the footer's buttons among them
    if (!panel->body()->isAncestorOf(b)) {
      EXPECT_TRUE(card.rect().contains(QRect(b->mapTo(&card, QPoint(0, 0)), b->size()))) << b->text().toStdString();
    }
  QScrollBar* bar = panel->body()->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  // They scroll without a bar: none lies on their lines' ends, the pointer over them or not.
  EXPECT_FALSE(bar->isVisible());
  QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), panel->body()->mapToGlobal(QPointF(10, 10)));
  QApplication::sendEvent(panel->body()->viewport(), &enter);
  BusyAfternoon::settle();
  EXPECT_FALSE(bar->isVisible());
  test::writeShot(card, "panel-short-light");
  // The wheel scrolls them, and so does the keyboard from what has the focus in them.
  const QPointF inside(20, 20);
  QWheelEvent wheel(inside, panel->body()->viewport()->mapToGlobal(inside), {}, QPoint(0, -120), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(panel->body()->viewport(), &wheel);
  EXPECT_GT(bar->value(), 0);
  bar->setValue(0);
  QWidget* row = panel->procRow(0);
  row->setFocus();
  QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, {});
  QApplication::sendEvent(row, &pageDown);
  EXPECT_GT(bar->value(), 0);
  card.resize(card.width(), whole);  // at its whole height nothing scrolls: it asked for what it needs
  BusyAfternoon::settle();
  EXPECT_EQ(bar->maximum(), 0);
  EXPECT_FALSE(bar->isVisible());
}

// However short the room, the sections as they open end between two rows: no line shows cut in
// two, the day's hours under its strip among them.
TEST_F(MenuPanelTest, atEveryHeightTheSectionsEndBetweenTwoRows) {
  PanelCard card;
  auto* panel = new MenuPanel(panelParts(*fx.store), {});
  card.layout()->addWidget(panel);
  card.adjustSize();
  const int padding = 2 * kPanelCardPadding, whole = panel->sizeHint().height();
  card.show();
  for (int room = whole - 1; room > whole / 3; room -= 3) {
    card.resize(card.width(), panel->heightWithin(room) + padding);
    BusyAfternoon::settle();
    const auto cuts = test::cutTexts(card, test::Scrolled::asItStands);
    EXPECT_TRUE(cuts.empty()) << "in " << room << " px" << test::listed(cuts);
  }
}

TEST(PanelBodyScroll, aCutMovesAboveEveryRowItWouldCrossAndEndsAtTheLastRowAboveIt) {
  const std::vector<std::pair<int, int>> rows{{0, 40}, {52, 60}, {52, 120}, {132, 150}};
  EXPECT_EQ(cutBetweenRows(rows, 200), 150);  // below them all: at the last row's end
  EXPECT_EQ(cutBetweenRows(rows, 126), 120);  // in a gap: the gap goes
  EXPECT_EQ(cutBetweenRows(rows, 140), 120);  // across a row: above it
  EXPECT_EQ(cutBetweenRows(rows, 56), 40);    // across two rows side by side, the taller too
  EXPECT_EQ(cutBetweenRows({{10, 90}, {0, 20}}, 50), 0);  // moved up into a row above: above that one too
  EXPECT_EQ(cutBetweenRows({{120, 60}}, 80), 60);         // edges in either order
  EXPECT_EQ(cutBetweenRows(rows, -5), 0);
  EXPECT_EQ(cutBetweenRows({}, 70), 70);
}

TEST_F(MenuPanelTest, galleryLightAndDark) {
  ASSERT_TRUE(fx.connectDevices(BusyAfternoon::deskDevices()));
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    fx.store->show("Background priority restored");
    // The whole card, however short the test screen is.
    PanelCard card;
    card.layout()->addWidget(new MenuPanel(panelParts(*fx.store), {}));
    card.adjustSize();
    card.show();
    BusyAfternoon::settle();
    const QString dir = QStringLiteral(QEL_ARTIFACTS "/gallery");
    QDir().mkpath(dir);
    const QString file = dir + QStringLiteral("/panel-%1.png").arg(QLatin1String(look));
    EXPECT_TRUE(card.grab().save(file)) << file.toStdString();
    card.setLevel(Level::high);  // the glow of a machine under strain
    EXPECT_TRUE(card.grab().save(dir + QStringLiteral("/panel-glow-high-%1.png").arg(QLatin1String(look))));
    card.resize(card.width(), 560);  // on a short screen: the sections scroll above the switches
    BusyAfternoon::settle();
    EXPECT_TRUE(card.grab().save(dir + QStringLiteral("/panel-short-screen-%1.png").arg(QLatin1String(look))));
  }
}

}  // namespace
}  // namespace qel
