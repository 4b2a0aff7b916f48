#pragma once
// The clock and the timer of the window's animations. A FrameTimer calls back once, at a time on
// the animation clock rounded up to a frame boundary (whole frames of 1/30 s from the clock's
// start, the same for every timer) and never in the frame it last called back in, so a view
// driven by it draws at most 30 frames a second and views moving together paint in one frame; a view asks for its next frame only while
// something it draws still moves. Tests put a hand-moved clock in place of the real one and run
// the frames that fall due with advance().
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace qel {

class FrameTimer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kFrameMs = 34;  // just under 30 frames a second

  explicit FrameTimer(std::function<void()> fire, QObject* parent = nullptr);
  ~FrameTimer() override;

  // Calls back at the first frame boundary at or after `when` (clock milliseconds) and after the
  // frame of the last call; replaces a call already asked for.
  void startAt(std::int64_t when);
  // Calls back in the next frame: the one after its last call, or the coming one. Ask for this
  // rather than for a frame's length from now, which a late call would push a frame further.
  void startNextFrame() { startAt(now()); }
  // The next frame, or a second from now while motion is off: a chart that moves on its own
  // then still steps, once a second.
  void startNextStep();
  void stop();
  bool isActive() const { return due_ >= 0; }

  // Milliseconds on the animation clock.
  static std::int64_t now();
  // How many timers wait to call back, in the whole program.
  static int activeCount();

  // Tests: from now on the clock moves only by advance(), which runs every call that falls due.
  static void useManualClock(bool on);
  static void advance(std::int64_t ms);

 private:
  void fire();

  std::function<void()> fire_;
  QTimer timer_;
  std::int64_t due_ = -1;
  std::int64_t lastFired_ = -kFrameMs;
};

}  // namespace qel
