#pragma once
// The disk page's chart in the largest square that fits: the space ring of the system volume,
// the last minute of activity inside it, and the free space and size in the middle. It repaints
// when what it shows changed.
#include <QWidget>

#include <vector>

#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

namespace qel {

class DiskPlatterView : public QWidget {
  Q_OBJECT

 public:
  explicit DiskPlatterView(const LiveState& live, QWidget* parent = nullptr);

  void refresh();

  QSize sizeHint() const override { return {420, 420}; }
  QSize minimumSizeHint() const override { return {160, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LiveState live_;
  DiskDetail detail_;
  std::vector<double> reads_, writes_;
};

}  // namespace qel
