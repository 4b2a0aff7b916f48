#pragma once
// Where the day ring's parts go: the radii of its two tracks, the angle of each slot, the
// wedge of a bar, the slot under a click and the rules of a bar's length and tone. Pure: the
// painter and the view only walk what these give.
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

#include <optional>
#include <span>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct DayRingGeometry {
  QPointF centre;
  double outer = 0;  // R: outer edge of the CPU track
  double inner = 0;  // r: inner edge of the memory track
  int count = 0;     // n: slots around the ring

  static constexpr double kTrackGap = 7;

  // Nothing can be drawn: a radius or the track width would be zero or less (a small window).
  bool empty() const;
  double step() const;
  // Half the angle a wedge covers; the rest of the step is the gap between wedges.
  double halfWidth() const;
  // The centre angle of slot `i` (fractional slots lie between centres): slot 0 starts at
  // twelve o'clock and slots run clockwise on screen.
  double angle(double i) const;
  double trackWidth() const;
  // Track 0 is the CPU track (outside), track 1 the memory track.
  double trackOuter(int track) const;
  double trackInner(int track) const;
  // The point at `angle` and `radius` from the centre.
  QPointF at(double angle, double radius) const;
  // The annular sector of slot `i` between radius `from` (inside) and `to` (outside).
  QPainterPath wedge(int i, double from, double to) const;
};

// The ring inside a canvas: R from the height only (the canvas is wider, for the side labels).
DayRingGeometry dayRingGeometry(QSizeF canvas, int count);

// The slot under `point` of a square ring frame of `side`, or none inside the dead zone around
// the centre text (or for no slots). Straight up is slot 0; just left of twelve the last one.
std::optional<int> slotAtPoint(QPointF point, double side, int count);

// The scale (at most 1) at which the centre's lines of text, stacked `gap` apart and centred on
// the ring's centre, fit inside a circle of `radius`: every line's corners within it. 0 when
// nothing fits or there is nothing to fit.
double centreTextScale(std::span<const QSizeF> lines, double gap, double radius);

// A bar's length as a fraction of its track: every present value shows a stub of 3.5 %.
double barFraction(double value);

enum class BarTone { track, warn, strain };
BarTone barTone(double value);

// The opacity of a live-mode bar: the oldest second faintest, the newest full.
double liveBarOpacity(int slot, int count);

// The slot of a dark wake on the day starting at `dayStart`, from its wall-clock time (a day
// with a clock change has 23 or 25 hours); none outside that day.
std::optional<int> wakeSlot(Date wake, Date dayStart);

}  // namespace qel
