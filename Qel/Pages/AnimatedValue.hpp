#pragma once
// A number that eases to each new target over a fixed time, frame by frame at 30 a second at
// most, telling its owner to repaint on each frame. It lands at once while its owner is hidden
// or motion is off, and its timer runs only while it is on the way. Its frames are the window's
// frames, so the values of a page that move together repaint together. A value that moves again
// within a few seconds (a loaded machine's figures move at every sample) takes each new target at
// once: easing at every sample would keep a page that nobody touches painting all the time.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <cstdint>
#include <functional>

#include "Qel/Kit/FrameTimer.hpp"

namespace qel {

class AnimatedValue : public QObject {
  Q_OBJECT

 public:
  // `frame` runs after each change of the value (the owner repaints what it covers).
  AnimatedValue(QWidget* owner, int ms, std::function<void()> frame);

  double value() const { return value_; }
  double target() const { return to_; }
  bool running() const { return frames_.isActive(); }

  // Eases from the value shown now to `target`; a value that is not finite counts as 0. A change
  // that moves the drawing by less than half a pixel lands at once: its ease would be frames
  // that show nothing; so are the last frames of an ease that moves by less than that. So does a
  // change that comes within kStillMs of the last one that could be seen.
  void setTarget(double target);
  // How long a value stays unchanged before its next change eases again. An ease is about ten
  // frames: one every five seconds at most keeps a page at rest within three frames a second
  // with its samples' own, however often its figures change.
  static constexpr int kStillMs = 5000;
  // How far the drawing moves, in pixels, for a change of one; 0 (the start): every change eases.
  void setPixelsPerUnit(double pixels) { pixelsPerUnit_ = std::isfinite(pixels) ? pixels : 0; }
  // Takes `value` at once.
  void jumpTo(double value);

 private:
  void step();

  QPointer<QWidget> owner_;
  int ms_;
  std::function<void()> frame_;
  FrameTimer frames_;
  std::int64_t start_ = 0;  // on the animation clock
  std::int64_t changedAt_ = -kStillMs;  // the last new target, on the animation clock
  double from_ = 0, to_ = 0, value_ = 0;
  double pixelsPerUnit_ = 0;
};

}  // namespace qel
