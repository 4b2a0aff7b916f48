#pragma once
// The per-core chart of the CPU page in the largest square that fits, with the thermal state,
// its colour and the load average in the middle. It repaints when what it shows changed; its
// geometry is made when the figures or the size change, never while painting.
#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

#include "Qel/Pages/CPU/CoreFlowerGeometry.hpp"
#include "Qel/Pages/HoleWords.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

namespace qel {

class CoreFlowerView : public QWidget {
  Q_OBJECT

 public:
  explicit CoreFlowerView(const LiveState& live, QWidget* parent = nullptr);

  // Takes the latest figures; repaints only when they differ from the ones shown.
  void refresh();

  QSize sizeHint() const override { return {420, 420}; }
  QSize minimumSizeHint() const override { return {120, 120}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Shown {
    std::vector<double> loads, peaks;
    int efficiencyCores = 0;
    ThermalState thermal = ThermalState::nominal;
    std::string thermalText;
    double load = 0;
    bool operator==(const Shown&) const = default;
  };

  // What the segments' drawing shows: it is made again only when that changes (the texts are
  // drawn over it each time), so a repaint of what lies beneath, the glow's breath, costs a copy.
  struct Petals {
    std::vector<FlowerSegment> segments;
    QSize size;
    double dpr = 0;
    bool light = false;
    bool operator==(const Petals&) const = default;
  };

  CoreFlower flowerFor(const Shown& shown) const;
  // The fonts that fit the middle's words in the hole.
  static FittedWords middleFor(const FittedWords& words);

  LiveState live_;
  Shown shown_;
  CoreFlower flower_;  // of `shown_` at the current size: made once per change, not per paint
  Petals petalsLook_;
  QImage petals_;
  FittedWords middle_;  // made again only when the words or the chart's size change
};

}  // namespace qel
