#pragma once
// A ring of the twenty-four hours showing when an app is busy. The geometry is a pure function;
// the widget only paints it.
#include <QPointF>
#include <QSizeF>
#include <QWidget>

#include <array>

namespace qel {

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
