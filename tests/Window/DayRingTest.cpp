// The day ring: its geometry without painting, its drawing by pixel probes, and the view's
// selection by clicks.
#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "Qel/App/StoreBridge.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Runtime/Executor.hpp"
#include "Qel/App/MainViews.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Window/Overview/DayRingGeometry.hpp"
#include "Qel/Window/Overview/DayRingPainter.hpp"
#include "Qel/Window/Overview/DayRingPicture.hpp"
#include "Qel/Window/Overview/DayRingView.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using test::near;
using test::over;

namespace {

constexpr double kPi = std::numbers::pi;

Date local(const char* day, int hour, int minute, int second = 0) {
  return *dayStart(day) + std::chrono::hours(hour) + std::chrono::minutes(minute) + std::chrono::seconds(second);
}

// A store without readers whose clock stands where a test puts it.
struct ClockedStore {
  explicit ClockedStore(Date now) : clock(now) {
    StoreServices s;
    s.clock = &clock;
    s.main = &main;
    s.defaults = &defaults;
    store = std::make_unique<Store>(std::move(s));
    bridge = std::make_unique<StoreBridge>(*store);
  }
  test::TempDir dir;
  FakeClock clock;
  ManualExecutor main{clock};
  Defaults defaults{dir / "defaults.json"};
  std::unique_ptr<Store> store;
  std::unique_ptr<StoreBridge> bridge;
};

}  // namespace

TEST(DayRingGeometry, radiiTracksAndSlotAngles) {
  const auto g = dayRingGeometry(QSizeF(388, 300), 144);
  EXPECT_EQ(g.centre, QPointF(194, 150));
  EXPECT_DOUBLE_EQ(g.outer, 118);
  EXPECT_DOUBLE_EQ(g.inner, 118 * 0.58);
  const double w = (118 - 118 * 0.58 - 7) / 2;
  EXPECT_DOUBLE_EQ(g.trackWidth(), w);
  EXPECT_DOUBLE_EQ(g.trackOuter(0), 118);
  EXPECT_DOUBLE_EQ(g.trackInner(1), g.inner);
  EXPECT_DOUBLE_EQ(g.trackOuter(1), 118 - w - 7);
  EXPECT_NEAR(g.angle(0), -kPi / 2 + kPi / 144, 1e-12);  // just right of twelve
  EXPECT_NEAR(g.angle(-0.5), -kPi / 2, 1e-12);
  EXPECT_FALSE(g.empty());

  // A slot's wedge covers its centre line, not the gap to its neighbour.
  const QPainterPath wedge = g.wedge(36, g.trackInner(0), g.trackOuter(0));
  const double mid = g.trackInner(0) + w / 2;
  EXPECT_TRUE(wedge.contains(g.at(g.angle(36), mid)));
  EXPECT_FALSE(wedge.contains(g.at(g.angle(36.5), mid)));
  EXPECT_FALSE(wedge.contains(g.at(g.angle(36), g.trackOuter(0) + 1)));

  // Too small a window: a radius at or below zero, nothing to draw.
  for (double h : {64.0, 40.0, 0.0, 80.0})
    EXPECT_TRUE(dayRingGeometry(QSizeF(200, h), 144).empty()) << h;
  EXPECT_TRUE(dayRingGeometry(QSizeF(300, 300), 0).empty());
}

TEST(DayRingGeometry, slotUnderAPoint) {
  const double side = 300, c = 150;
  const double dead = (c - 32) * 0.58 * 0.5;
  for (int n : {60, 144}) {
    EXPECT_EQ(slotAtPoint({c, 10}, side, n), 0) << n;           // straight up
    EXPECT_EQ(slotAtPoint({c - 0.5, 10}, side, n), n - 1) << n;  // just left of twelve
    EXPECT_EQ(slotAtPoint({290, c}, side, n), n / 4) << n;       // three o'clock
    EXPECT_EQ(slotAtPoint({c, 290}, side, n), n / 2) << n;
  }
  EXPECT_EQ(slotAtPoint({c, c - dead}, side, 144), std::nullopt);  // on the dead zone's circle
  EXPECT_EQ(slotAtPoint({c, c - dead - 0.01}, side, 144), 0);
  EXPECT_EQ(slotAtPoint({c, c}, side, 144), std::nullopt);
  EXPECT_EQ(slotAtPoint({std::nan(""), 3}, side, 144), std::nullopt);
  EXPECT_EQ(slotAtPoint({c, 10}, side, 0), std::nullopt);
}

TEST(DayRingGeometry, centreTextShrinksUntilEveryCornerClearsTheInnerRadius) {
  // "Now", the figure and "CPU, memory 59%" as the smallest window draws them.
  const std::vector<QSizeF> lines{{30, 15}, {100, 55}, {122, 16}};
  const auto farthestCorner = [&](double scale) {
    double total = 2.0 * 2, top = 0, far = 0;
    for (const auto& l : lines) total += l.height();
    top = -total / 2;
    for (const auto& l : lines) {
      far = std::max(far, std::hypot(l.width() / 2, std::max(std::abs(top), std::abs(top + l.height()))) * scale);
      top += l.height() + 2;
    }
    return far;
  };
  const double small = centreTextScale(lines, 2, 64);
  EXPECT_LT(small, 1);
  EXPECT_GT(small, 0.8);
  EXPECT_NEAR(farthestCorner(small), 64, 1e-9);  // the memory line's corners touch, no more
  EXPECT_DOUBLE_EQ(centreTextScale(lines, 2, 200), 1);  // a large ring: full size, never larger
  EXPECT_DOUBLE_EQ(centreTextScale(lines, 2, farthestCorner(1)), 1);

  EXPECT_EQ(centreTextScale({}, 2, 64), 0);
  EXPECT_EQ(centreTextScale(lines, 2, 0), 0);
  EXPECT_EQ(centreTextScale(lines, 2, std::nan("")), 0);
  const std::vector<QSizeF> huge{{std::numeric_limits<double>::infinity(), 10}};
  EXPECT_EQ(centreTextScale(huge, 2, 64), 0);
}

TEST(DayRingGeometry, barLengthToneAndLiveOpacity) {
  struct Case {
    double value, fraction;
    BarTone tone;
  } cases[] = {
      {0, 0.035, BarTone::track},   {0.5, 0.5, BarTone::track},  {0.699, 0.699, BarTone::track},
      {0.7, 0.7, BarTone::warn},    {0.879, 0.879, BarTone::warn}, {0.88, 0.88, BarTone::strain},
      {1.5, 1, BarTone::strain},    {-1, 0.035, BarTone::track}, {std::nan(""), 0.035, BarTone::track},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(barFraction(c.value), c.fraction) << c.value;
    EXPECT_EQ(barTone(c.value), c.tone) << c.value;
  }
  EXPECT_DOUBLE_EQ(liveBarOpacity(0, 60), 0.3);
  EXPECT_DOUBLE_EQ(liveBarOpacity(59, 60), 1);
  EXPECT_DOUBLE_EQ(liveBarOpacity(0, 1), 0.3);  // no division by zero
}

TEST(DayRingGeometry, darkWakeSlotsFollowTheWallClockOnDaysOf23And25Hours) {
  // Europe/Berlin: clocks go forward on 29 March 2026 and back on 25 October 2026.
  const Date spring = *dayStart("2026-03-29");
  EXPECT_EQ(dayAfter(spring) - spring, std::chrono::hours(23));
  EXPECT_EQ(wakeSlot(spring + std::chrono::hours(11), spring), 72);  // 12:00 on the wall, not slot 66
  EXPECT_EQ(wakeSlot(dayAfter(spring) - std::chrono::seconds(1), spring), 143);

  const Date autumn = *dayStart("2026-10-25");
  EXPECT_EQ(dayAfter(autumn) - autumn, std::chrono::hours(25));
  EXPECT_EQ(wakeSlot(autumn + std::chrono::hours(15), autumn), 84);  // 14:00 on the wall
  EXPECT_EQ(wakeSlot(dayAfter(autumn) - std::chrono::seconds(1), autumn), 143);  // elapsed: slot 149
  EXPECT_EQ(wakeSlot(dayAfter(autumn), autumn), std::nullopt);
  EXPECT_EQ(wakeSlot(autumn - std::chrono::seconds(1), autumn), std::nullopt);
}

namespace {

// A day picture with a value in every slot, painted on white.
struct Painted {
  // Large, so even the narrow wedges of the inner track are several pixels across.
  DayRingGeometry g = dayRingGeometry(QSizeF(788, 700), 144);
  QImage image{788, 700, QImage::Format_ARGB32};
  void paint(const DayRingPicture& picture, bool light = true) {
    image.fill(light ? Qt::white : Qt::black);
    QPainter p(&image);
    paintDayRing(p, g, picture, light);
  }
  // The colour at `fraction` of the track's width out from its inner edge, at the slot's centre.
  QColor at(int slot, int track, double fraction) {
    const QPointF pt = g.at(g.angle(slot), g.trackInner(track) + g.trackWidth() * fraction);
    return image.pixelColor(pt.toPoint());
  }
};

DayRingPicture fullDay(double value, int limit) {
  DayRingPicture p;
  p.cpu.assign(144, value);
  p.mem.assign(144, value);
  p.limit = limit;
  return p;
}

}  // namespace

TEST(DayRingDrawing, atFiveAfterNineTheSlotsFrom55OnAreFaintAndBare) {
  test::useAppearance("light");
  ClockedStore at(local("2026-06-15", 9, 5));
  const DayRingPicture fromStore = dayRingPicture(LiveState(*at.store), DayState(*at.store), InsightState(*at.store));
  EXPECT_EQ(fromStore.limit, 55);
  EXPECT_EQ(fromStore.hand, 54);
  EXPECT_EQ(fromStore.count(), 144);

  Painted ring;
  ring.paint(fullDay(0.5, fromStore.limit));
  const QColor white = Qt::white, track06 = over(white, Qt::black, 0.06);
  for (int track : {0, 1}) {
    const QColor bar = over(track06, track ? Palette::mem() : Palette::cpu(), 0.85);
    EXPECT_TRUE(near(ring.at(10, track, 0.25), bar, 3));
    EXPECT_TRUE(near(ring.at(10, track, 0.8), track06, 2));
    EXPECT_TRUE(near(ring.at(54, track, 0.25), bar, 3));
    for (int slot : {55, 80, 143}) EXPECT_TRUE(near(ring.at(slot, track, 0.25), over(white, Qt::black, 0.03), 2)) << slot;
  }
}

TEST(DayRingDrawing, warnStrainSelectionAndSmallWindows) {
  test::useAppearance("light");
  DayRingPicture p = fullDay(0.2, 144);
  p.cpu[20] = 0.7;
  p.cpu[21] = 0.88;
  p.cpu[22] = 1.5;
  p.cpu[30] = 0.95;
  p.selected = 30;
  Painted ring;
  ring.paint(p);
  const QColor track06 = over(Qt::white, Qt::black, 0.06);
  EXPECT_TRUE(near(ring.at(20, 0, 0.5), over(track06, Palette::warn(), 0.85), 3));
  EXPECT_TRUE(near(ring.at(21, 0, 0.5), over(track06, Palette::strain(), 0.85), 3));
  EXPECT_TRUE(near(ring.at(22, 0, 0.97), over(track06, Palette::strain(), 0.85), 3));  // cut to a full bar
  EXPECT_TRUE(near(ring.at(30, 0, 0.5), Palette::ink(), 3));
  EXPECT_TRUE(near(ring.at(0, 0, 0.1), over(track06, Palette::cpu(), 0.85), 3));

  // Dark: the selected bar is white.
  test::useAppearance("dark");
  ring.paint(p, false);
  EXPECT_TRUE(near(ring.at(30, 0, 0.5), Qt::white, 3));
  test::useAppearance("light");

  // A window too small for a ring draws nothing rather than a ring turned inside out.
  QImage tiny(120, 60, QImage::Format_ARGB32);
  tiny.fill(Qt::white);
  {
    QPainter painter(&tiny);
    paintDayRing(painter, dayRingGeometry(QSizeF(120, 60), 144), p, true);
  }
  for (int y = 0; y < 60; y += 3)
    for (int x = 0; x < 120; x += 3) ASSERT_EQ(tiny.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST(DayRingDrawing, liveModeFadesFromTheOldestSecond) {
  test::useAppearance("light");
  DayRingPicture p;
  p.mode = RingMode::live;
  p.cpu.assign(60, std::nullopt);
  p.mem.assign(60, std::nullopt);
  for (int i = 0; i < 40; ++i) p.cpu[std::size_t(i)] = p.mem[std::size_t(i)] = 0.5;  // a short history
  p.limit = 60;
  Painted ring;
  ring.g = dayRingGeometry(QSizeF(788, 700), 60);
  ring.paint(p);
  const QColor track06 = over(Qt::white, Qt::black, 0.06);
  EXPECT_TRUE(near(ring.at(0, 0, 0.25), over(track06, Palette::cpu(), 0.3), 3));
  EXPECT_TRUE(near(ring.at(39, 0, 0.25), over(track06, Palette::cpu(), liveBarOpacity(39, 60)), 3));
  EXPECT_TRUE(near(ring.at(45, 0, 0.25), track06, 2));  // past the history: background
}

TEST(DayRingPicture, readsTheShownDayMarksOncePerSlotAndTheHand) {
  ClockedStore at(local("2026-06-15", 9, 5));
  Store& store = *at.store;
  store.record(0.4, 0.5, 30, at.clock.now());
  store.addMark("plug", "");
  at.clock.advance(std::chrono::minutes(2));
  store.addMark("unplug", "");
  at.clock.advance(std::chrono::minutes(20));  // 09:27, slot 56
  store.addMark("wake", "");
  const DayRingPicture p = dayRingPicture(LiveState(store), DayState(store), InsightState(store));
  EXPECT_EQ(p.marks, (std::vector<int>{54, 56}));  // two marks in slot 54, one marker
  EXPECT_EQ(p.cpu[54], 0.4);
  EXPECT_EQ(p.cpu[53], std::nullopt);
  EXPECT_EQ(p.hand, 56);

  store.select(12);
  EXPECT_EQ(dayRingPicture(LiveState(store), DayState(store), InsightState(store)).hand, 12);
  EXPECT_EQ(dayRingPicture(LiveState(store), DayState(store), InsightState(store)).selected, 12);
  store.setRingMode(RingMode::live);
  store.setSelectedSlot(std::nullopt);
  const DayRingPicture live = dayRingPicture(LiveState(store), DayState(store), InsightState(store));
  EXPECT_EQ(live.count(), 60);
  EXPECT_EQ(live.hand, 59);
  EXPECT_TRUE(live.marks.empty());
}

TEST(DayRingView, framesTheRingSelectsByClickAndKeepsItsDrawing) {
  test::useAppearance("light");
  ClockedStore at(local("2026-06-15", 9, 5));
  Store& store = *at.store;
  DayRingView* view = new DayRingView(viewContext(store));
  test::Host host(view, QSize(400 + 2 * DayRingView::kBleed, 300));
  EXPECT_EQ(view->ringFrame(), QRectF(94, 0, 300, 300));

  const auto press = [&](QPointF p) {
    QMouseEvent down(QEvent::MouseButtonPress, p, view->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, p, view->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &up);
    at.main.runUntilIdle();
    QApplication::processEvents();
  };
  const QPointF centre(244, 150);
  press(centre + QPointF(0, -140));
  EXPECT_EQ(store.dayView().selectedSlot, 0);
  press(centre);  // the centre text does not select
  EXPECT_EQ(store.dayView().selectedSlot, 0);
  press(QPointF(5, 5));  // outside the disc
  EXPECT_EQ(store.dayView().selectedSlot, 0);
  // Clicking the present slot returns to the present.
  const auto g = dayRingGeometry(QSizeF(388, 300), 144);
  press(g.at(g.angle(54), 90) + QPointF(50, 0));
  EXPECT_EQ(store.dayView().selectedSlot, std::nullopt);
  // Unless the click is on the dot of an event there: that selects it, so its note shows.
  for (int i = 0; i < 30; ++i) store.record(0.8, 0.5, 30, at.clock.now());
  ASSERT_EQ(store.events().size(), 1u);
  at.main.runUntilIdle();
  press(g.at(g.angle(54), g.outer + 6) + QPointF(50, 0));
  EXPECT_EQ(store.dayView().selectedSlot, 54);
  EXPECT_EQ(store.selectedEvent()->slot, 54);
  press(g.at(g.angle(54), 90) + QPointF(50, 0));  // elsewhere on the present slot: back to now
  EXPECT_EQ(store.dayView().selectedSlot, std::nullopt);

  // The ring is drawn again only when what it shows changes.
  host.image();
  const int drawn = view->drawings();
  store.setQuery("x");  // a change the ring does not show
  at.main.runUntilIdle();
  host.image();
  EXPECT_EQ(view->drawings(), drawn);
  store.select(3);
  at.main.runUntilIdle();
  host.image();
  EXPECT_EQ(view->drawings(), drawn + 1);
  // The present slot's mean creeping by less than a pixel's worth is not drawn again...
  store.record(0.81, 0.5, 30, at.clock.now());
  at.main.runUntilIdle();
  host.image();
  EXPECT_EQ(view->drawings(), drawn + 1);
  // ...a visible change is.
  for (int i = 0; i < 10; ++i) store.record(0.1, 0.5, 30, at.clock.now());
  at.main.runUntilIdle();
  host.image();
  EXPECT_EQ(view->drawings(), drawn + 2);
}
