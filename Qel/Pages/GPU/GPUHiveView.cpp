#include "Qel/Pages/GPU/GPUHiveView.hpp"

#include <QPainter>
#include <QPolygonF>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/GPU/GPUHiveGeometry.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {

namespace {

QColor toneColor(HiveTone tone, double opacity) {
  QColor c;
  switch (tone) {
    case HiveTone::gpu: c = Palette::gpu(); break;
    case HiveTone::hot: c = Palette::gpuHot(); break;
    case HiveTone::warn: c = Palette::warn(); break;
    case HiveTone::strain: c = Palette::strain(); break;
    case HiveTone::track: return Palette::wash(opacity);
  }
  return Palette::withAlpha(c, opacity);
}

}  // namespace

GPUHiveView::GPUHiveView(const LiveState& live, QWidget* parent) : QWidget(parent), live_(live) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(qtL("GPU usage"));
  Palette::followAppearance(this);
  refresh();
}

void GPUHiveView::refresh() {
  const auto& gpu = live_.gpu();
  setAccessibleDescription(gpu ? QString::fromStdString(fmtPercent(gpu->util)) : qtL("Unavailable"));
  if (gpu == gpu_ && live_.gpuHist() == history_) return;
  gpu_ = gpu;
  history_ = live_.gpuHist();
  update();
}

void GPUHiveView::paintEvent(QPaintEvent*) {
  const QRectF square = squareFit(QSizeF(size()));
  const GPUHive hive = gpuHive(gpu_, history_, square.width());
  if (hive.outer <= 0) return;
  // Dozens of antialiased cells and wedges: drawn in one task, see paintInOneTask.
  QImage picture = clearImage(size(), devicePixelRatioF());
  paintInOneTask([&] {
    QPainter q(&picture);
    q.setRenderHint(QPainter::Antialiasing);
    q.translate(square.topLeft());
    q.setPen(Qt::NoPen);
    for (const auto& cell : hive.cells) {
      const auto corners = hexagon(cell.centre, cell.radius);
      q.setBrush(toneColor(cell.tone, cell.opacity));
      q.drawPolygon(QPolygonF(QList<QPointF>(corners.begin(), corners.end())));
    }
    for (const auto& w : hive.wedges) {
      q.setBrush(toneColor(HiveTone::track, 0.05));
      q.drawPath(Chart::ringSegment(hive.centre, hive.inner, hive.outer, w.from, w.to));
      q.setBrush(toneColor(w.tone, w.opacity));
      q.drawPath(Chart::ringSegment(hive.centre, w.inner, w.outer, w.from, w.to));
    }
  });
  QPainter p(this);
  p.drawImage(QPointF(), picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(square.topLeft());
  p.setPen(Palette::tertiaryText().resolve());
  Chart::drawText(p, qtL("Now"), Fonts::text(Type::caption), hive.now, Qt::AlignCenter);
}

}  // namespace qel
