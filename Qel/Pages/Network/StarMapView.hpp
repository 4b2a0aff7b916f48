#pragma once
// The network page's star map, drawn from StarMapGeometry. Pulses move at up to 30 frames a
// second (one a second with motion off), and only while some app sends them and the map is on
// screen; a click on or near a dot opens that process's details.
#include <QWidget>

#include <vector>

#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/OnScreenWatch.hpp"
#include "Qel/Pages/Network/StarMapGeometry.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class Navigator;

class StarMapView : public QWidget {
  Q_OBJECT

 public:
  StarMapView(ProcessState processes, Navigator& navigator, QWidget* parent = nullptr);

  void setNodes(std::vector<ProcInfo> nodes);
  const std::vector<ProcInfo>& nodes() const { return nodes_; }
  // What the map says without a dot: the reader failed, or it found no connection.
  QString emptyText() const;
  // The dots of the last frame drawn (kept when a frame had no room to draw).
  const std::vector<StarDot>& hits() const { return hits_; }
  bool animating() const { return frames_.isActive(); }

  QSize sizeHint() const override { return {520, 380}; }
  QSize minimumSizeHint() const override { return {200, 160}; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The machine's name under the middle, which the dots keep clear of.
  QSizeF centreLabelSize() const;
  void frame();
  // The part of the map the pulses of `frame` cover.
  QRect pulseArea(const StarFrame& frame) const;

  ProcessState processes_;
  Navigator& navigator_;
  std::vector<ProcInfo> nodes_;
  std::vector<StarDot> hits_;
  FrameTimer frames_;
  OnScreenWatch screen_;
};

}  // namespace qel
