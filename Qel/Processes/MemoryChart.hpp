#pragma once
// An app's memory per stored day, the update day marked. The geometry is a pure function; the
// widget only paints it.
#include <QRectF>
#include <QWidget>

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

class MemoryChart : public QWidget {
  Q_OBJECT

 public:
  explicit MemoryChart(AppProfile profile, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AppProfile profile_;
};

}  // namespace qel
