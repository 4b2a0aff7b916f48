#pragma once
// The GPU page's chart in the largest square that fits: the honeycomb of utilisation inside
// the ring of the last sixty seconds. It repaints when what it shows changed.
#include <QWidget>

#include <optional>
#include <vector>

#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

namespace qel {

class GPUHiveView : public QWidget {
  Q_OBJECT

 public:
  explicit GPUHiveView(const LiveState& live, QWidget* parent = nullptr);

  void refresh();

  QSize sizeHint() const override { return {400, 400}; }
  QSize minimumSizeHint() const override { return {120, 120}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LiveState live_;
  std::optional<GPUSample> gpu_;
  std::vector<double> history_;
};

}  // namespace qel
