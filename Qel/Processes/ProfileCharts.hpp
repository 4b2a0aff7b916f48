#pragma once
// The two charts of an app's profile: its memory per stored day with the update day marked,
// and a ring of the twenty-four hours showing when it is busy. Geometry in pure functions, the
// widgets only paint it.
#include <QRectF>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "Qel/History/AppProfile.hpp"

namespace qel {

struct MemoryBar {
  QRectF rect;
  bool beforeUpdate = false;  // drawn fainter
};

struct MemoryBars {
  std::vector<MemoryBar> bars;
  std::optional<double> updateX;  // the dashed line at the update day, when it is stored
};

// Bars of the days oldest first, at least twelve slots wide so a few days sit at the left.
MemoryBars memoryBars(const AppProfile& profile, QSizeF size);

// One hour of the ring, in chart angles (radians, clockwise from three o'clock).
struct HourWedge {
  double from = 0, to = 0;
  double inner = 0, track = 0, value = 0;  // radii: the band, its outer edge, the value's edge
  double opacity = 0;                      // of the value's fill
};

struct HourRing {
  QPointF centre;
  double outer = 0;
  std::array<HourWedge, 24> hours{};
};

// Hour 0 at the top, 6 at the right; every hour shows at least a stub of 5 % of the band.
HourRing hourRing(const std::array<double, 24>& hours, QSizeF size);

class MemoryChart : public QWidget {
  Q_OBJECT

 public:
  explicit MemoryChart(AppProfile profile, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AppProfile profile_;
};

class HoursRing : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSize = 128;
  explicit HoursRing(const std::array<double, 24>& hours, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<double, 24> hours_;
};

}  // namespace qel
