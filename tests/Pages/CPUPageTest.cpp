// The CPU page and its building blocks against a store fed by hand.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>

#include <cmath>
#include <limits>
#include <numbers>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/AnimatedValue.hpp"
#include "Qel/Pages/CPU/BarStatItem.hpp"
#include "Qel/Pages/CPU/CPUPage.hpp"
#include "Qel/Pages/CPU/CoreFlowerGeometry.hpp"
#include "Qel/Pages/CPU/CoreFlowerView.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/ProcLists.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Pages/TopRow.hpp"
#include "tests/Pages/PageFixture.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextRecorder.hpp"

using namespace qel;
using namespace qel::test;

namespace {

constexpr double pi = std::numbers::pi;

Snapshot sample(double total, std::vector<double> perCore, std::vector<ProcInfo> procs = {}, double load = 0) {
  Snapshot s;
  s.cpu = CPUSample{.total = total, .user = total * 0.8, .system = total * 0.2, .perCore = std::move(perCore)};
  s.procs = std::move(procs);
  s.load = load;
  return s;
}

QPoint at(double side, double radius, double angle) {
  return QPoint(int(std::lround(side / 2 + radius * std::cos(angle))),
                int(std::lround(side / 2 + radius * std::sin(angle))));
}

}  // namespace

TEST(ProcLists, equalFiguresKeepTheSampleOrder) {
  std::vector<ProcInfo> procs;
  for (int i = 0; i < 33; ++i) procs.push_back(PageTest::proc(i + 1, "p" + std::to_string(i), 2.0));
  procs.push_back(PageTest::proc(100, "busy", 40));
  procs.push_back(PageTest::proc(101, "odd", std::numeric_limits<double>::quiet_NaN()));
  const auto cpu = [](const ProcInfo& p) { return p.cpu; };
  const auto all = topProcs(procs, cpu, -std::numeric_limits<double>::infinity(), 100);
  ASSERT_EQ(all.size(), 35u);
  EXPECT_EQ(all[0].pid, 100);
  for (int i = 0; i < 33; ++i) EXPECT_EQ(all[std::size_t(i) + 1].pid, i + 1);
  EXPECT_EQ(all.back().pid, 101);  // not a number sorts as nothing
  EXPECT_EQ(topProcs(procs, cpu, 0, 8).size(), 8u);
  EXPECT_EQ(topProcs(procs, cpu, 10, 8).size(), 1u);
}

TEST(CPUSubline, namesTheBusiestProcessFromOnePercentOfACore) {
  EXPECT_EQ(cpuSubline(1.234, PageTest::proc(1, "editor", 0.9), "Chip"), "Load average 1.23, Chip");
  EXPECT_EQ(cpuSubline(1.234, PageTest::proc(1, "editor", 1.0), "Chip"), "Load average 1.23, editor is using the most");
  EXPECT_EQ(cpuSubline(0, std::nullopt, "Chip"), "Load average 0.00, Chip");
  EXPECT_EQ(cpuSubline(std::nan(""), std::nullopt, "Chip"), "Load average —, Chip");
}

class CPUPageTest : public PageTest {};

TEST_F(CPUPageTest, showsTheSampleAndTheBusiestProcessesInOrder) {
  auto* page = new CPUPage(LiveState(*store), ProcessState(*store), *store);
  Host host(page, {1092, 700});
  std::vector<ProcInfo> procs;
  for (int i = 0; i < 10; ++i) procs.push_back(proc(i + 1, "same" + std::to_string(i), 5));
  procs.push_back(proc(50, "top", 0.9));
  procs[3].cpu = 250;
  store->apply(sample(0.125, {0.1, 0.2, 0.1, 0.1}, procs, 1.234));
  settle();

  EXPECT_EQ(page->headline()->text(), "13");
  EXPECT_EQ(page->stats()[2]->figure()->text(), "88%");  // idle
  EXPECT_EQ(page->subline()->text(), "Load average 1.23, same3 is using the most");
  EXPECT_FALSE(page->groupRow()->isVisible());
  EXPECT_TRUE(page->caption()->text().startsWith("Each bar is a logical core."));

  ASSERT_EQ(page->rows().size(), 8u);
  EXPECT_EQ(page->rows()[0]->proc().pid, 4);
  const std::vector<int> expected{1, 2, 3, 5, 6, 7, 8};
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(page->rows()[i + 1]->proc().pid, expected[i]);

  // A click between the name and the bar opens that process.
  TopRow* second = page->rows()[1];
  click(second, QPoint(second->bar()->x() - 4, second->height() / 2));
  EXPECT_EQ(store->navigation().detailPID, 1);

  // Fewer processes: fewer rows.
  store->apply(sample(0.5, {0.5}, {proc(7, "only", 0.2)}, 0));
  settle();
  ASSERT_EQ(page->rows().size(), 1u);
  EXPECT_EQ(page->subline()->text(), "Load average 0.00, Test Chip 9000");
}

// A processor the system names no model for is worded by the page, in the language shown now.
class UnnamedChipCPUPageTest : public PageTest {
 protected:
  UnnamedChipCPUPageTest() : PageTest(ChipInfo{}) {}
};

TEST_F(UnnamedChipCPUPageTest, wordsTheChipInTheLanguageChosenSince) {
  auto* page = new CPUPage(LiveState(*store), ProcessState(*store), *store);
  Host host(page, {1092, 700});
  store->apply(sample(0.1, {0.1}));
  settle();
  EXPECT_EQ(page->subline()->text(), "Load average 0.00, Computer");
  store->set(Setting::language, "fr");
  settle();
  EXPECT_TRUE(page->subline()->text().endsWith("Ordinateur")) << page->subline()->text().toStdString();
  store->set(Setting::language, "en");
}

TEST_F(CPUPageTest, aRowStaysWithItsProcessAndTheFocusNeverPassesToAnother) {
  auto* page = new CPUPage(LiveState(*store), ProcessState(*store), *store);
  Host host(page, {1092, 700});
  host.window.activateWindow();
  store->apply(sample(0.5, {0.5}, {proc(1, "editor", 50), proc(2, "compiler", 40), proc(3, "player", 30)}));
  settle();
  TopRow* editor = page->rows()[0];
  editor->setFocus();
  ASSERT_TRUE(editor->hasFocus());

  // The compiler overtakes the editor: the focused row moves with the editor.
  store->apply(sample(0.5, {0.5}, {proc(1, "editor", 45), proc(2, "compiler", 60), proc(3, "player", 30)}));
  settle();
  ASSERT_EQ(page->rows().size(), 3u);
  EXPECT_EQ(page->rows()[0]->proc().pid, 2);
  EXPECT_EQ(page->rows()[1], editor);
  EXPECT_TRUE(editor->hasFocus());
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(QApplication::focusWidget(), &enter);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(QApplication::focusWidget(), &release);
  EXPECT_EQ(store->navigation().detailPID, 1);
  store->setDetailPID(std::nullopt);

  // The editor ends and a newcomer takes its pid: the focus leaves the list, and no row it
  // rests on opens anything.
  ProcInfo newcomer = proc(1, "newcomer", 70);
  newcomer.startTime = 99;
  store->apply(sample(0.5, {0.5}, {newcomer, proc(2, "compiler", 60), proc(3, "player", 30)}));
  settle();
  for (TopRow* row : page->rows()) EXPECT_FALSE(row->hasFocus()) << row->proc().name;
  if (QWidget* focused = QApplication::focusWidget()) {
    QApplication::sendEvent(focused, &enter);
    QApplication::sendEvent(focused, &release);
  }
  EXPECT_FALSE(store->navigation().detailPID);
}

TEST_F(CPUPageTest, oneRowOverOneCoreFillsItsBarAndShowsTheFigure) {
  IconCache icons;
  auto* row = new TopRow(ProcessState(*store), *store, icons, proc(3, "render", 250));
  Host host(row, {500, 42});
  const QImage image = host.image();
  const QRect bar = row->bar()->geometry();
  EXPECT_TRUE(near(image.pixelColor(bar.right() - 2, bar.center().y()), Palette::cpu(), 10));
  row->setProc(proc(3, "render", 0));
  const QImage idle = host.image();
  EXPECT_FALSE(near(idle.pixelColor(bar.right() - 2, bar.center().y()), Palette::cpu(), 40));
}

TEST_F(CPUPageTest, barGaugeFillsClockwiseFromTwelve) {
  useAppearance("light");
  auto* item = new BarStatItem("User", 0.25, Palette::cpu());
  Host host(item, {120, 40});
  const QPointF c = QRectF(item->gaugeRect()).center();
  const auto point = [&](double angle) {
    return QPointF(c.x() + 14 * std::cos(angle), c.y() + 14 * std::sin(angle)).toPoint();
  };
  QImage image = host.image();
  EXPECT_TRUE(near(image.pixelColor(point(-pi / 4)), Palette::cpu(), 30));  // upper right: filled
  EXPECT_TRUE(near(image.pixelColor(point(pi)), over(Qt::white, Qt::black, 0.08), 12));  // left: the track
  EXPECT_EQ(item->figure()->text(), "25%");
  item->setFraction(1.4);  // over a full turn: the whole ring, the figure as given
  image = host.image();
  EXPECT_TRUE(near(image.pixelColor(point(pi)), Palette::cpu(), 30));
  EXPECT_EQ(item->figure()->text(), "140%");
  item->setFraction(std::nan(""));
  EXPECT_TRUE(near(host.image().pixelColor(point(-pi / 4)), over(Qt::white, Qt::black, 0.08), 12));
}

TEST_F(CPUPageTest, flowerDrawsLoadPeakAndTrackWhereTheGeometrySays) {
  useAppearance("light");
  auto* flower = new CoreFlowerView(LiveState(*store));
  Host host(flower, {400, 400});
  // One core: its bar points down (the only slot is centred half a turn after twelve).
  store->apply(sample(0.43, {0.43}));
  store->apply(sample(0.2, {0.2}));
  flower->refresh();
  const QImage image = host.image();
  const double inner = 70.4, pitch = 8.96;
  const auto mid = [&](int j) { return inner + pitch * (j + 0.5); };
  EXPECT_TRUE(near(image.pixelColor(at(400, mid(0), pi / 2)), Palette::cpu(), 10));
  EXPECT_TRUE(near(image.pixelColor(at(400, mid(1), pi / 2)), Palette::cpu(), 10));
  EXPECT_TRUE(near(image.pixelColor(at(400, mid(2), pi / 2)), over(Qt::white, Qt::black, 0.06), 8));
  EXPECT_TRUE(near(image.pixelColor(at(400, mid(4), pi / 2)), over(Qt::white, Qt::black, 0.75), 12));  // the peak
  EXPECT_TRUE(near(image.pixelColor(at(400, mid(4), -pi / 2)), Qt::white, 2));  // nothing at the top

  // A fully loaded core: six in the CPU colour, then warn, then strain.
  store->apply(sample(1, {1.0}));
  flower->refresh();
  const QImage full = host.image();
  EXPECT_TRUE(near(full.pixelColor(at(400, mid(5), pi / 2)), Palette::cpu(), 10));
  EXPECT_TRUE(near(full.pixelColor(at(400, mid(7), pi / 2)), Palette::warn(), 10));
  EXPECT_TRUE(near(full.pixelColor(at(400, mid(9), pi / 2)), Palette::strain(), 10));
}

TEST_F(CPUPageTest, theWordsInTheFlowersMiddleStayInsideItsHole) {
  // The longest thermal words (Russian "Нормальное", Portuguese "Superaquecendo") in the smallest
  // window: each line is set smaller rather than cross the bars round the hole.
  Fonts::load();
  const std::vector<double> loads(8, 0.3);
  for (const char* language : {"en", "ru", "pt-BR", "es", "de"}) {
    Loc::set(language, nullptr);
    for (const ThermalState thermal :
         {ThermalState::nominal, ThermalState::fair, ThermalState::serious, ThermalState::critical}) {
      Snapshot s = sample(0.3, loads, {}, 3.2);
      s.thermal = thermal;
      store->apply(s);
      atSmallestWindow(Page::cpu, [&](RootView& root) {
        auto* flower = root.findChild<CoreFlowerView*>();
        ASSERT_NE(flower, nullptr);
        const QRectF square = squareFit(QSizeF(flower->size()));
        const CoreFlower geometry = coreFlower(loads, loads, 0, square.width());
        TextRecorder recorder(flower->size());
        flower->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
        ASSERT_EQ(recorder.texts().size(), 3u);
        for (const auto& text : recorder.texts())
          EXPECT_LE(reachFrom(square.topLeft() + geometry.centre, text.ink), geometry.inner - Space::xs)
              << language << ", " << text.text.toStdString() << " at " << square.width();
      });
    }
  }
  Loc::set("en", nullptr);
}

TEST_F(CPUPageTest, aGaugeKeepsAGapToItsTitle) {
  auto* item = new BarStatItem(QStringLiteral("Пользователь"), 0.25, Palette::cpu());
  Host host(item, {160, 40});
  const auto labels = item->findChildren<PlainLabel*>();
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_GE(labels[0]->x() - (item->gaugeRect().right() + 1), Space::m);
  EXPECT_GE(item->figure()->x() - (item->gaugeRect().right() + 1), Space::m);
}

TEST_F(CPUPageTest, flowerRepaintsOnlyWhenASegmentOrItsTextChanges) {
  struct Paints : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      count += event->type() == QEvent::Paint;
      return false;
    }
  } paints;
  auto* flower = new CoreFlowerView(LiveState(*store));
  store->apply(sample(0.32, {0.32}, {}, 1.5));
  flower->refresh();
  Host host(flower, {400, 400});
  flower->installEventFilter(&paints);
  store->apply(sample(0.34, {0.34}, {}, 1.501));  // four lit, the peak on the same segment, "1.50"
  flower->refresh();
  settle();
  EXPECT_EQ(paints.count, 0);
  store->apply(sample(0.55, {0.55}, {}, 1.501));
  flower->refresh();
  settle();
  EXPECT_EQ(paints.count, 1);
  store->apply(sample(0.55, {0.55}, {}, 1.52));  // only the load average's text
  flower->refresh();
  settle();
  EXPECT_EQ(paints.count, 2);
}

TEST_F(CPUPageTest, tinyFlowerDrawsNothingButDoesNotFail) {
  auto* flower = new CoreFlowerView(LiveState(*store));
  store->apply(sample(1, std::vector<double>(64, std::numeric_limits<double>::infinity())));
  flower->refresh();
  Host host(flower, {70, 70});
  const QImage image = host.image();
  for (int y = 0; y < 70; y += 5)
    for (int x = 0; x < 70; x += 5) EXPECT_TRUE(near(image.pixelColor(x, y), Qt::white, 2));
}

TEST_F(CPUPageTest, figuresRollOnlyWhenTheyChangeAfterStandingStill) {
  Motion::setEnabled(true);
  auto* figure = new RollingFigure(Fonts::text(22), Palette::primaryText(), "100");
  Host host(figure, {80, 40});
  figure->setText("5");
  EXPECT_TRUE(figure->rolling());
  figure->setText("5");
  EXPECT_TRUE(figure->rolling());
  host.window.hide();
  figure->setText("6");  // hidden: lands at once, no timer
  EXPECT_FALSE(figure->rolling());
  host.window.show();

  // A figure that changes at every sample shows each one at once; still for a while, it rolls again.
  FrameTimer::useManualClock(true);
  FrameTimer::advance(AnimatedValue::kStillMs);
  figure->setText("7");
  EXPECT_TRUE(figure->rolling());
  for (const char* text : {"8", "9", "10"}) {
    FrameTimer::advance(1000);
    figure->setText(text);
    EXPECT_FALSE(figure->rolling()) << text;
  }
  FrameTimer::advance(AnimatedValue::kStillMs);
  figure->setText("11");
  EXPECT_TRUE(figure->rolling());
  FrameTimer::useManualClock(false);
  Motion::setEnabled(false);
}

TEST_F(CPUPageTest, aBigFigureDrawsItsDigitsFromItsKeptGlyphs) {
  useAppearance("light");
  Motion::setEnabled(false);
  auto* figure = new RollingFigure(Fonts::text(76, QFont::Light), Palette::primaryText(), "100");
  figure->setText("88");
  Host host(figure, {220, 110});
  const auto ink = [&] {
    const QImage image = host.image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 100;
    return n;
  };
  const int eights = ink();
  EXPECT_GT(eights, 300);
  figure->setText("11");  // fewer strokes, other glyphs
  const int ones = ink();
  EXPECT_GT(ones, 100);
  EXPECT_LT(ones, eights);
}

TEST_F(CPUPageTest, gaugesEaseOnlyWhenTheArcMovesByHalfAPixel) {
  Motion::setEnabled(true);
  auto* item = new BarStatItem("Idle", 0.5, Palette::cpu());
  Host host(item, {120, 40});
  const auto easing = [&] {
    for (auto* value : item->findChildren<AnimatedValue*>())
      if (value->running() && value->target() != 1) return true;  // not the figure's roll
    return false;
  };
  item->setFraction(0.503);  // a quarter of a pixel along the ring: one repaint, no frames
  EXPECT_FALSE(easing());
  item->setFraction(0.6);
  EXPECT_TRUE(easing());

  // A change of under a pixel eases, but its frames stop once what is left moves by less than
  // half a pixel, long before the ease's full time.
  FrameTimer::useManualClock(true);
  item->setFraction(0.5);
  FrameTimer::advance(AnimatedValue::kStillMs);
  item->setFraction(0.51);
  int frames = 0;
  for (; easing() && frames < 20; ++frames) FrameTimer::advance(FrameTimer::kFrameMs);
  EXPECT_GT(frames, 0);
  EXPECT_LE(frames, 5);  // the whole ease is 12 frames
  FrameTimer::useManualClock(false);
  Motion::setEnabled(false);
}

TEST_F(CPUPageTest, restsWithoutTimersAndStopsThemWhenHidden) {
  Motion::setEnabled(true);
  auto* page = new CPUPage(LiveState(*store), ProcessState(*store), *store);
  Host host(page, {1092, 700});
  const auto running = [&] {
    int n = 0;
    for (auto* value : page->findChildren<AnimatedValue*>()) n += value->running();
    return n;
  };
  const auto wait = [](int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) settle();
  };
  store->apply(sample(0.5, {0.5, 0.5}));
  settle();
  EXPECT_GT(running(), 0);  // figures roll, gauges ease
  host.window.hide();
  wait(120);
  EXPECT_EQ(running(), 0);

  host.window.show();
  wait(600);
  EXPECT_EQ(running(), 0);
  store->apply(sample(0.5, {0.5, 0.5}));  // the same figures: nothing to animate
  settle();
  EXPECT_EQ(running(), 0);
  Motion::setEnabled(false);
}

TEST_F(CPUPageTest, rowShowsKeyboardFocus) {
  IconCache icons;
  store->apply(sample(0.2, {0.2}, {proc(3, "render", 20)}));
  auto* row = new TopRow(ProcessState(*store), *store, icons, proc(3, "render", 20));
  Host host(row, {500, 42});
  host.window.activateWindow();
  row->clearFocus();
  settle();
  const QColor before = host.image().pixelColor(2, 21);
  row->setFocus(Qt::TabFocusReason);  // as the keyboard brings it
  settle();
  ASSERT_TRUE(row->hasFocus());
  EXPECT_TRUE(near(host.image().pixelColor(2, 21), Palette::cpu(), 40));
  EXPECT_FALSE(near(before, Palette::cpu(), 40));
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(row, &space);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(row, &release);
  EXPECT_EQ(store->navigation().detailPID, 3);
}

class HybridCPUPageTest : public PageTest {
 protected:
  HybridCPUPageTest() : PageTest({"Hybrid Chip", 4, {8, 9, 10, 11}}) {}
};

TEST_F(HybridCPUPageTest, groupsTheCoresTheKernelNumbersLast) {
  auto* page = new CPUPage(LiveState(*store), ProcessState(*store), *store);
  Host host(page, {1092, 700});
  std::vector<double> perCore(8, 0.5);
  perCore.insert(perCore.end(), 4, 0.1);
  store->apply(sample(0.37, perCore));
  settle();
  EXPECT_TRUE(page->groupRow()->isVisible());
  EXPECT_EQ(page->stats()[3]->figure()->text(), "50%");  // performance
  EXPECT_EQ(page->stats()[4]->figure()->text(), "10%");  // efficiency
  EXPECT_TRUE(page->caption()->text().startsWith("Each bar is a core."));
  // No cores at all: both groups read 0 %.
  store->apply(sample(0, {}));
  settle();
  EXPECT_EQ(page->stats()[3]->figure()->text(), "0%");
  EXPECT_EQ(page->stats()[4]->figure()->text(), "0%");
}
