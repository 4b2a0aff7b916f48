#pragma once
// One sleep on a time axis from falling asleep to waking: the charge as a line through both ends
// and every wake that recorded one, a band for each dark wake, and the end charges beside it.
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <vector>

#include "Qel/History/SleepSession.hpp"

namespace qel {

struct SleepChartGeometry {
  QRectF plot;                 // the line and the bands stay inside it
  std::vector<QPointF> line;   // empty when a charge is missing
  std::vector<QRectF> bands;   // one per wake, cut to the plot
  QPointF startLabel, endLabel;  // centres of the end charges' texts
};

SleepChartGeometry sleepChartGeometry(const SleepSession& session, QSizeF size);

class SleepBatteryChart : public QWidget {
  Q_OBJECT

 public:
  explicit SleepBatteryChart(const SleepSession& session, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SleepSession session_;
};

}  // namespace qel
