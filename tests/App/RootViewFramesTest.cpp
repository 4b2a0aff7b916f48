// How often the root view paints: frames only while something it draws moves, only when a pixel
// changes, never more than 30 a second, and none while the window is out of sight. The frames
// run on a hand-moved clock.
#include <QWidget>

#include <algorithm>
#include <set>
#include <string>

#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Window/RootView.hpp"
#include "Qel/Window/Toast.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::settle;

namespace {

constexpr int kW = 1180, kH = 780;

struct PaintCount : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class RootViewFramesTest : public test::ShellTest {
 protected:
  RootViewFramesTest() {
    test::useAppearance("light");
    Motion::setEnabled(true);
    FrameTimer::useManualClock(true);
  }
  ~RootViewFramesTest() override {
    delete window;
    FrameTimer::useManualClock(false);
    Motion::setEnabled(false);
  }

  void show() {
    window = new QWidget;
    window->resize(kW, kH);
    root = new RootView(context(), registry, window);
    root->setGeometry(0, 0, kW, kH);
    root->installEventFilter(&count);
    window->show();
    pass(2000);
  }
  // Lets `ms` go by frame by frame, painting what each frame asks for.
  void pass(int ms) {
    settle();
    for (int t = 0; t < ms; t += FrameTimer::kFrameMs) {
      FrameTimer::advance(FrameTimer::kFrameMs);
      settle();
    }
  }
  // One sample: the paints it caused over the next two seconds.
  int tick(double load) {
    count.paints = 0;
    setLoad(load);
    pass(2000);
    return count.paints;
  }
  // The 8-bit steps of the glow's strength between two loads on `page`.
  int stepsBetween(double from, double to, Page page = Page::overview) {
    auto level = [&](double load) {
      return glowLook(glowFor(page, load, true, QSizeF(kW, kH)), background(page).resolve(), 1).level;
    };
    return std::abs(level(to) - level(from));
  }

  QWidget* window = nullptr;
  RootView* root = nullptr;
  PaintCount count;
};

}  // namespace

TEST_F(RootViewFramesTest, paintsOnlyWhenTheGlowsPixelsChange) {
  setLoad(0.3);
  show();
  EXPECT_EQ(FrameTimer::activeCount(), 0);

  // A sample too small to change an 8-bit colour is no glow frame, and asks for none; the one
  // paint allowed is the tab bar's and the ring's, which take in every sample.
  ASSERT_EQ(stepsBetween(0.3, 0.302), 0);
  EXPECT_LE(tick(0.302), 1);
  EXPECT_EQ(FrameTimer::activeCount(), 0);

  // A real change breathes in several frames, at most one per 8-bit step (and one for the new
  // number in the tab bar), then stops.
  const int steps = stepsBetween(0.302, 0.8);
  const int paints = tick(0.8);
  EXPECT_GE(paints, 4);
  EXPECT_LE(paints, steps + 1);
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_DOUBLE_EQ(root->glow().opacity, glowOpacity(0.8, true));

  // A page change moves and recolours the glow at no more than 30 frames a second.
  store->setPage(Page::cpu);
  settle();  // the new page comes in
  count.paints = 0;
  pass(1000);
  EXPECT_GE(count.paints, 8);
  // Plus one for the new page itself, whose first paint a busy machine may leave to this second.
  EXPECT_LE(count.paints, 500 / FrameTimer::kFrameMs + 2);
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_DOUBLE_EQ(root->glow().centre.x(), kW - 300);
  EXPECT_EQ(root->glow().color, accent(Page::cpu));
}

TEST_F(RootViewFramesTest, outOfSightNothingMovesAndItComesBackAsItIsNow) {
  setLoad(0.2);
  show();

  // Hidden in the middle of a breath: it stops at once and paints nothing more.
  setLoad(0.9);
  FrameTimer::advance(300);
  settle();
  window->hide();
  settle();
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_EQ(tick(0.1), 0);
  store->setPage(Page::net);
  pass(1000);
  EXPECT_EQ(count.paints, 0);
  EXPECT_EQ(FrameTimer::activeCount(), 0);

  // Shown again, it shows the present at once: no move left to run.
  window->show();
  settle();
  EXPECT_GE(count.paints, 1);
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_DOUBLE_EQ(root->glow().centre.x(), 0.32 * kW);
  EXPECT_DOUBLE_EQ(root->glow().opacity, glowOpacity(0.1, true));

  // Minimised, its views hear of no sample and ask for no frames; back, it shows the present at once.
  window->showMinimized();
  settle();
  setLoad(0.7);
  settle();
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_DOUBLE_EQ(root->glow().opacity, glowOpacity(0.1, true));
  window->showNormal();
  settle();
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_DOUBLE_EQ(root->glow().opacity, glowOpacity(0.7, true));
}

TEST_F(RootViewFramesTest, toastSlidesInFrameByFrameThenRests) {
  setLoad(0.3);
  show();
  count.paints = 0;
  store->show("Saved");
  pass(1000);
  EXPECT_GE(count.paints, 3);
  // The first paint as it starts, a frame on each boundary of the shared frame clock the 200 ms
  // slide spans, and the last one where it ends.
  EXPECT_LE(count.paints, 200 / FrameTimer::kFrameMs + 3);
  EXPECT_EQ(FrameTimer::activeCount(), 0);
  EXPECT_EQ(root->toast()->geometry().bottom() + 1, root->height() - Toast::kBottom);
  // Ticks that bring the same message start no slide (the one paint is the sample's own).
  EXPECT_LE(tick(0.3), 1);
  EXPECT_EQ(FrameTimer::activeCount(), 0);
}

namespace {

// A sample of a machine kept busy by a build: every core nearly saturated, each figure a
// little different from the last one's, as on a loaded machine every second.
Snapshot busySample(int n) {
  static constexpr double wobble[] = {0.0, 0.013, -0.021, 0.008, -0.004, 0.017, -0.012};
  const double w = wobble[n % 7];
  constexpr std::uint64_t mib = 1 << 20;
  Snapshot s;
  s.tick = 2 + n;
  s.cpu = CPUSample{.total = 0.975 + w, .user = 0.8 + 2 * w, .system = 0.175 - w};
  for (int core = 0; core < 8; ++core) s.cpu->perCore.push_back(std::min(1.0, 0.93 + w * (core % 3 + 1)));
  s.load = 9.3 + 10 * w;
  s.mem = {.total = 16384 * mib, .app = (9000 + 37 * std::uint64_t(n % 5)) * mib, .wired = 1500 * mib,
           .compressed = 300 * mib, .pressure = 62 + 20 * w, .swapUsed = 0};
  s.netDown = 180e3 * (1 + 10 * w);
  s.netUp = 40e3 * (1 - 10 * w);
  s.diskRead = 30e6 * (1 + 10 * w);
  s.diskWrite = 55e6 * (1 - 10 * w);
  s.gpu = GPUSample{.util = 0.3 + w, .memory = (700 + 3 * std::uint64_t(n % 4)) * mib, .cores = 24};
  for (int i = 0; i < 24; ++i) {
    ProcInfo p;
    p.pid = 1000 + i;
    p.name = i < 8 ? "cc1plus" : "sh";
    p.cpu = i < 8 ? 96 + 100 * w + i : 0.1 * i;
    p.mem = (200 + 10 * std::uint64_t(i) + std::uint64_t(n % 3)) * mib;
    p.diskRate = 1e6 * (i + 1) * (1 + 10 * w);
    s.procs.push_back(p);
  }
  return s;
}

// The frames the root view paints in: Qt paints it once for its own changes and again for its
// children's in one pass, which is one frame on the screen.
struct FrameCount : QObject {
  QWidget* window = nullptr;
  int frames = 0;
  bool counted = false;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window && event->type() == QEvent::UpdateRequest) counted = false;
    if (watched != window && event->type() == QEvent::Paint && !counted) {
      counted = true;
      ++frames;
    }
    return false;
  }
};

}  // namespace

TEST_F(RootViewFramesTest, everyPageAtRestOnABusyMachinePaintsAtMostThreeTimesASecond) {
  // The pages whose charts move on their own have a budget of their own.
  const std::set<Page> animated{Page::mem, Page::net};
  store->apply(busySample(0));
  show();
  FrameCount frames;
  frames.window = window;
  window->installEventFilter(&frames);
  root->installEventFilter(&frames);
  int n = 1;
  for (const Page page : allPages) {
    if (animated.contains(page)) continue;
    SCOPED_TRACE(std::string(rawValue(page)));
    store->setPage(page);
    for (int settled = 0; settled < 3; ++settled) {  // the page comes in and takes in its first samples
      store->apply(busySample(n++));
      pass(1000);
    }
    frames.frames = 0;
    constexpr int seconds = 10;
    for (int s = 0; s < seconds; ++s) {
      store->apply(busySample(n++));
      pass(1000);
    }
    EXPECT_LE(frames.frames, 3 * seconds);
  }
}
