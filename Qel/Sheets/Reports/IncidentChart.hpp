#pragma once
// The replay's chart: one column per second of the last sixty, the culprits' load stacked in
// their colours from the bottom and the rest of the machine's load in grey on top.
#include <QRectF>
#include <QWidget>

#include <vector>

#include "Qel/History/Incident.hpp"

namespace qel {

struct IncidentBar {
  QRectF rect;
  int culprit = -1;  // index into the incident's culprits; -1 for the rest of the load
};

// The bars of `frames` in a chart of `size`: the frames fill the rightmost columns, the last
// frame in the rightmost; a process's share of one column is its load over `cores`, never more
// than the whole column. A column whose stack passes the top runs beyond it (the view clips).
std::vector<IncidentBar> incidentBars(const std::vector<Frame>& frames, const std::vector<Culprit>& culprits,
                                      int cores, QSizeF size);

// The colour of culprit `index`, the same in the chart and in its row.
QColor culpritColor(int index);

class IncidentChart : public QWidget {
  Q_OBJECT

 public:
  // `cores` is the number of processors when the chart is made (at least 1).
  IncidentChart(const Incident& incident, int cores, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Frame> frames_;
  std::vector<Culprit> culprits_;
  int cores_;
};

}  // namespace qel
