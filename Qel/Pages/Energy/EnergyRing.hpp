#pragma once
// The energy page's clock of the last minute: the wedges of the energy ring, the battery's charge
// as a thin circle inside, and the present draw in the middle.
#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

#include "Qel/Pages/Energy/EnergyRingGeometry.hpp"
#include "Qel/Pages/HoleWords.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

class QPainter;

namespace qel {

// The five colours the ring's layers and the page's legend share; the k-th process uses k mod 5.
const std::array<QColor, 5>& energyLayerColors();

// The draw the page shows: the measured whole-machine power, else what the processes draw.
double presentDraw(const LiveState& live);

class EnergyRing : public QWidget {
  Q_OBJECT

 public:
  explicit EnergyRing(const LiveState& live, QWidget* parent = nullptr);

  // The processes to stack, in order; redraws when they or the store's series changed.
  void refresh(std::vector<std::int32_t> pids);
  const std::vector<std::int32_t>& pids() const { return pids_; }
  // How often the ring itself was drawn; a paint that shows the same wedges only places it.
  int drawings() const { return drawings_; }

  QSize sizeHint() const override { return {420, 420}; }
  QSize minimumSizeHint() const override { return {220, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the ring's drawing shows: the text around and inside it is drawn on top each time.
  struct Look {
    QSize size;
    double dpr = 0;
    bool light = false;
    std::vector<EnergyWedge> wedges;
    double centre = 0, inner = 0, outer = 0, batteryRadius = 0;
    bool battery = false;
    int percent = 0;
    bool operator==(const Look&) const = default;
  };
  void drawRing(const Look& look, QPointF origin);
  void paintTimeLabels(QPainter& p, QPointF c, double outer, double side) const;
  void paintCentre(QPainter& p, double centre, double side, double inner);
  const FittedWords& fitMiddle(double side, double inner);
  // How far from the middle its words reach.
  double middleReach(double side, double inner);
  static void drawRingInto(QImage& image, const Look& look, QPointF origin);

  LiveState live_;
  std::vector<std::int32_t> pids_;
  int drawnTick_ = -1;
  // The wedges, battery circle and hand, drawn once per change of look, in one task: drawn anew
  // on every paint, the large antialiased wedges cost milliseconds, much of it handing spans to
  // Qt's fill threads.
  Look drawnLook_;
  QImage drawing_;
  int drawings_ = 0;
  FittedWords middle_;  // the middle's fonts, made again only when its words or the ring's size change
};

}  // namespace qel
