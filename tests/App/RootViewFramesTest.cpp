// How often the root view paints: frames only while something it draws moves, only when a pixel
// changes, never more than 30 a second, and none while the window is out of sight. The frames
// run on a hand-moved clock.
#include <QWidget>

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
