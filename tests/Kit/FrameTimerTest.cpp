// The animation timer: whatever moment each view asks for, frames fall on one shared grid, so
// views that move together paint in the same frame, and none calls back twice within a frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "Qel/Kit/FrameTimer.hpp"

using namespace qel;

TEST(FrameTimer, viewsAskingAtDifferentMomentsShareFrames) {
  FrameTimer::useManualClock(true);
  struct Mover {
    std::vector<std::int64_t> calls;
    std::unique_ptr<FrameTimer> timer;
    std::int64_t lag = 0;  // how far past the present it asks for its next frame
  };
  Mover a, b, c;
  for (Mover* m : {&a, &b, &c}) {
    m->timer = std::make_unique<FrameTimer>([m] {
      m->calls.push_back(FrameTimer::now());
      m->timer->startAt(FrameTimer::now() + m->lag);
    });
  }
  c.lag = 50;  // asks past the next frame: lands on a later boundary, not between two
  a.timer->startAt(FrameTimer::now());
  FrameTimer::advance(11);
  b.timer->startAt(FrameTimer::now() + 3);
  FrameTimer::advance(7);
  c.timer->startAt(FrameTimer::now());
  FrameTimer::advance(1000);
  a.timer->stop();
  b.timer->stop();
  c.timer->stop();
  FrameTimer::useManualClock(false);

  for (const Mover* m : {&a, &b, &c}) {
    ASSERT_GE(m->calls.size(), 10u);
    for (std::size_t i = 0; i < m->calls.size(); ++i) {
      EXPECT_EQ(m->calls[i] % FrameTimer::kFrameMs, 0) << "off the grid at " << m->calls[i];
      if (i > 0) { EXPECT_GE(m->calls[i] - m->calls[i - 1], FrameTimer::kFrameMs); }
    }
  }
  // At most 30 a second, and the slower view's frames are frames the others paint anyway.
  EXPECT_LE(a.calls.size(), 1000u / FrameTimer::kFrameMs + 1);
  for (auto t : c.calls) EXPECT_NE(std::find(a.calls.begin(), a.calls.end(), t), a.calls.end());
  for (auto t : b.calls) EXPECT_NE(std::find(a.calls.begin(), a.calls.end(), t), a.calls.end());
}
