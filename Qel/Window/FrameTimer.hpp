#pragma once
// The clock and the timer of the window's animations. A FrameTimer calls back once, at a time on
// the animation clock, and never sooner than one frame (1/30 s) after it last did, so a view
// driven by it draws at most 30 frames a second; a view asks for its next frame only while
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

  // Calls back at `when` (clock milliseconds) or one frame after the last call, whichever is
  // later; replaces a call already asked for.
  void startAt(std::int64_t when);
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
