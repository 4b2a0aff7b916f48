#pragma once
// The energy page's clock of the last minute: the wedges of the energy ring, the battery's charge
// as a thin circle inside, and the present draw in the middle.
#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace qel {

class Store;

// The five colours the ring's layers and the page's legend share; the k-th process uses k mod 5.
const std::array<QColor, 5>& energyLayerColors();

// The draw the page shows: the measured whole-machine power, else what the processes draw.
double presentDraw(const Store& store);

class EnergyRing : public QWidget {
  Q_OBJECT

 public:
  explicit EnergyRing(const Store& store, QWidget* parent = nullptr);

  // The processes to stack, in order; redraws when they or the store's series changed.
  void refresh(std::vector<std::int32_t> pids);
  const std::vector<std::int32_t>& pids() const { return pids_; }

  QSize sizeHint() const override { return {420, 420}; }
  QSize minimumSizeHint() const override { return {220, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Store& store_;
  std::vector<std::int32_t> pids_;
  int drawnTick_ = -1;
};

}  // namespace qel
