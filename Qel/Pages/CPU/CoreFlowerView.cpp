#include "Qel/Pages/CPU/CoreFlowerView.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/CPU/CoreFlowerGeometry.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

QColor toneColor(SegmentTone tone, bool light) {
  switch (tone) {
    case SegmentTone::cpu: return Palette::cpu();
    case SegmentTone::cpuPale: return Palette::withAlpha(Palette::cpu(), 0.6);
    case SegmentTone::warn: return Palette::warn();
    case SegmentTone::strain: return Palette::strain();
    case SegmentTone::peak: return Palette::washIn(light, 0.75);
    case SegmentTone::track: return Palette::washIn(light, 0.06);
  }
  return Palette::washIn(light, 1);
}

AdaptiveColor thermalColor(ThermalState state) {
  switch (state) {
    case ThermalState::nominal: return Palette::primaryText();
    case ThermalState::fair: return Palette::warnText();
    case ThermalState::serious:
    case ThermalState::critical: return Palette::strainText();
  }
  return Palette::primaryText();
}

}  // namespace

CoreFlowerView::CoreFlowerView(const LiveState& live, QWidget* parent) : QWidget(parent), live_(live) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(qtL("Usage per core"));
  Palette::followAppearance(this);
  refresh();
}

void CoreFlowerView::refresh() {
  const CoreOrder& cores = live_.cores();
  Shown next{cores.loads, cores.peaks, cores.efficiencyCores, live_.thermal(), live_.thermalText(), live_.load()};
  setAccessibleDescription(
      QString::fromStdString(L("Total usage %@", {fmtPercent(live_.cpu().total)})));
  if (next == shown_) return;
  // Loads move a little every second; the drawing changes only when a segment or a text does.
  CoreFlower flower = flowerFor(next);
  const bool alike = next.efficiencyCores == shown_.efficiencyCores && next.thermal == shown_.thermal &&
                     next.thermalText == shown_.thermalText &&
                     withNumber("Load %.2f", next.load) == withNumber("Load %.2f", shown_.load) &&
                     flower.segments == flower_.segments;
  shown_ = std::move(next);
  flower_ = std::move(flower);
  if (!alike) update();
}

CoreFlower CoreFlowerView::flowerFor(const Shown& shown) const {
  return coreFlower(shown.loads, shown.peaks, shown.efficiencyCores, squareFit(QSizeF(size())).width());
}

void CoreFlowerView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  flower_ = flowerFor(shown_);
}

void CoreFlowerView::paintEvent(QPaintEvent*) {
  const QRectF square = squareFit(QSizeF(size()));
  const double side = square.width();
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(square.topLeft());

  const CoreFlower& flower = flower_;
  const Petals look{flower.segments, size(), devicePixelRatioF(), Palette::light()};
  if (!(look == petalsLook_) || petals_.isNull()) {
    petals_ = clearImage(size(), look.dpr);
    paintInOneTask([&] {
      QPainter q(&petals_);
      q.setRenderHint(QPainter::Antialiasing);
      q.translate(square.topLeft());
      q.setPen(Qt::NoPen);
      for (const auto& s : flower.segments) {
        q.setBrush(toneColor(s.tone, look.light));
        q.drawPath(Chart::ringSegment(flower.centre, s.inner, s.outer, s.from, s.to));
      }
    });
    petalsLook_ = look;
  }
  p.drawImage(-square.topLeft(), petals_);
  p.setPen(Palette::tertiaryText().resolve());
  const QRectF bounds(0, 0, side, side);
  for (const auto& label : flower.labels)
    Chart::drawText(p, label.efficiency ? qtL("Efficiency") : qtL("Performance"), Fonts::text(Type::caption), label.at,
                    Qt::AlignCenter, bounds);

  // The middle: thermal state over the load average, as one centred stack inside the hole.
  if (side <= 80 || flowerHole(side) <= Space::m) return;
  const QString texts[] = {qtL("Thermal state"), QString::fromStdString(shown_.thermalText),
                           withNumber("Load %.2f", shown_.load)};
  const FittedWords wanted{{texts[0], texts[1], steadyText(texts[2], withNumber("Load %.2f", 88.88))},
                           side,
                           flowerHole(side),
                           {}};
  if (!middle_.sameWords(wanted)) middle_ = middleFor(wanted);
  const std::vector<double> tops = stackTops(middle_.fonts, 2);
  const double cx = side / 2;
  const AdaptiveColor colours[] = {Palette::secondaryText(), thermalColor(shown_.thermal), Palette::secondaryText()};
  for (std::size_t i = 0; i < 3; ++i) {
    p.setPen(colours[i].resolve());
    Chart::drawText(p, texts[i], middle_.fonts[i], {cx, side / 2 + tops[i]}, Qt::AlignHCenter | Qt::AlignTop);
  }
}

FittedWords CoreFlowerView::middleFor(const FittedWords& words) {
  // The thermal word is the one that grows with the chart; it may shrink to the caption's size.
  const double figure = std::min(words.side * 0.1, 40.0);
  std::vector<HoleLine> lines;
  const double sizes[] = {Type::footnote, figure, Type::body};
  const QFont::Weight weights[] = {QFont::Normal, QFont::Light, QFont::Normal};
  const double least[] = {0.8, Type::footnote / figure, 0.8};
  for (std::size_t i = 0; i < 3; ++i) {
    const QString text = words.texts[i];
    lines.push_back({sizes[i], weights[i], std::min(1.0, least[i]),
                     [text](const QFontMetricsF& fm) { return fm.horizontalAdvance(text); }});
  }
  FittedWords out = words;
  out.fonts = fitInHole(lines, 2, words.inner - Space::m);
  return out;
}

}  // namespace qel
