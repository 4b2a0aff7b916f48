#include "Qel/Pages/Disk/DiskPlatterView.hpp"

#include <QPainter>
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/Disk/DiskPlatterGeometry.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// A rate label's chip around its text: 4 on either side, 1 above and below.
const QSizeF kChipPadding(8, 2);

QColor toneColor(SpaceTone tone) {
  switch (tone) {
    case SpaceTone::used: return Palette::disk();
    case SpaceTone::purgeable: return Palette::diskPurgeable();
    case SpaceTone::free: break;
  }
  return Palette::wash(0.06);
}

QPainterPath wave(const std::vector<QPointF>& tips, const std::vector<QPointF>& baseline) {
  QPainterPath path;
  if (tips.empty()) return path;
  path.moveTo(tips.front());
  for (std::size_t i = 1; i < tips.size(); ++i) path.lineTo(tips[i]);
  for (auto it = baseline.rbegin(); it != baseline.rend(); ++it) path.lineTo(*it);
  path.closeSubpath();
  return path;
}

// On a chip of the page's ground: the label can lie on the space ring, of the read colour, or on
// the write wave, and would not read there.
void paintPeak(QPainter& p, const PeakMark& mark, const QColor& color, const QFont& rateFont, double side) {
  const QFontMetricsF rateM(rateFont);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(mark.dot, 4, 4);
  const QString text = QString::fromStdString(fmtRate(mark.value));
  const QSizeF chip = QSizeF(rateM.horizontalAdvance(text), rateM.height()) + kChipPadding;
  p.setBrush(Palette::withAlpha(background(Page::disk).resolve(), 0.85));
  p.drawRoundedRect(QRectF(mark.label - QPointF(chip.width(), chip.height()) / 2, chip), chip.height() / 2,
                    chip.height() / 2);
  p.setPen(color);
  Chart::drawText(p, text, rateFont, mark.label, Qt::AlignCenter, QRectF(0, 0, side, side));
}

// The space ring, and the reads and writes as waves round the base circle.
void paintShapes(QPainter& p, const DiskPlatter& g) {
  const QPointF c = g.centre;
  p.setPen(Qt::NoPen);
  for (const auto& s : g.space) {
    p.setBrush(toneColor(s.tone));
    p.drawPath(Chart::ringSegment(c, 0.8 * g.ring, g.ring, s.from, s.to));
  }
  if (!g.activity) return;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Palette::wash(0.12), 1));
  p.drawEllipse(c, g.base, g.base);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::withAlpha(Palette::disk(), 0.8));
  p.drawPath(wave(g.reads, g.baseline));
  p.setBrush(Palette::wash(0.45));
  p.drawPath(wave(g.writes, g.baseline));
}

// Over the waves: their peaks and the "Now" mark.
void paintMarks(QPainter& p, const DiskPlatter& g, const QFont& rateFont, double side) {
  const QPointF c = g.centre;
  if (g.readPeak) paintPeak(p, *g.readPeak, Palette::disk(), rateFont, side);
  if (g.writePeak) paintPeak(p, *g.writePeak, Palette::light() ? Palette::wash(0.5) : Palette::wash(0.6), rateFont, side);

  p.setPen(QPen(Palette::marker(), 1.5));
  p.drawLine(QPointF(c.x(), c.y() - g.inner + 4), QPointF(c.x(), c.y() - g.outer - 4));
  p.setPen(Palette::tertiaryText().resolve());
  Chart::drawText(p, qtL("Now"), Fonts::text(Type::caption), {c.x(), c.y() - g.ring - 12}, Qt::AlignCenter);
}

}  // namespace

DiskPlatterView::DiskPlatterView(const LiveState& live, QWidget* parent) : QWidget(parent), live_(live) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(qtL("Disk space and activity"));
  Palette::followAppearance(this);
  refresh();
}

void DiskPlatterView::refresh() {
  const DiskDetail& detail = live_.diskDetail();
  setAccessibleDescription(QString::fromStdString(L("%@ available", {fmtBytes(detail.free)})));
  if (detail == detail_ && live_.diskReadHist() == reads_ && live_.diskWriteHist() == writes_) return;
  detail_ = detail;
  reads_ = live_.diskReadHist();
  writes_ = live_.diskWriteHist();
  update();
}

void DiskPlatterView::paintEvent(QPaintEvent*) {
  const QRectF square = squareFit(QSizeF(size()));
  const double side = square.width();
  // The middle: free space large, with its caption above and the volume's size below.
  const QFont figureFont = Fonts::text(std::min(0.085 * side, 34.0), QFont::Light);
  const QFont captionFont = Fonts::text(Type::footnote);
  const QFont totalFont = Fonts::text(Type::body);
  const QFont rateFont = Fonts::text(Type::tick, QFont::Medium);
  const QString caption = qtL("Available");
  const QString figure = QString::fromStdString(fmtBytes(detail_.free));
  const QString total = QString::fromStdString(L("%@ total", {fmtBytes(detail_.total)}));
  const QFontMetricsF figureM(figureFont), captionM(captionFont), totalM(totalFont), rateM(rateFont);
  const double figureH = figureM.height(), captionH = captionM.height(), totalH = totalM.height();
  const QSizeF middle(std::max({figureM.horizontalAdvance(figure), captionM.horizontalAdvance(caption),
                                totalM.horizontalAdvance(total)}),
                      captionH + figureH + totalH + 4);
  const QSizeF label(rateM.horizontalAdvance(QStringLiteral("000.0 MB/s")) + kChipPadding.width(),
                     rateM.height() + kChipPadding.height());
  const DiskPlatter g = diskPlatter(detail_, reads_, writes_, side, middle, label);
  if (g.ring <= 0) return;
  // The ring and the two waves are tall antialiased fills: drawn in one task, see paintInOneTask.
  QImage shapes = clearImage(size(), devicePixelRatioF());
  paintInOneTask([&] {
    QPainter q(&shapes);
    q.setRenderHint(QPainter::Antialiasing);
    q.translate(square.topLeft());
    paintShapes(q, g);
  });
  QPainter p(this);
  p.drawImage(QPointF(), shapes);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(square.topLeft());
  const QPointF c = g.centre;
  if (g.activity) paintMarks(p, g, rateFont, side);

  double y = c.y() - middle.height() / 2;
  p.setPen(Palette::secondaryText().resolve());
  Chart::drawText(p, caption, captionFont, {c.x(), y}, Qt::AlignHCenter | Qt::AlignTop);
  y += captionH + 2;
  p.setPen(Palette::primaryText().resolve());
  Chart::drawText(p, figure, figureFont, {c.x(), y}, Qt::AlignHCenter | Qt::AlignTop);
  y += figureH + 2;
  p.setPen(Palette::secondaryText().resolve());
  Chart::drawText(p, total, totalFont, {c.x(), y}, Qt::AlignHCenter | Qt::AlignTop);
}

}  // namespace qel
