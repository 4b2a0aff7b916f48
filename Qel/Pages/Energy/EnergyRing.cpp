#include "Qel/Pages/Energy/EnergyRing.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/Energy/EnergyRingGeometry.hpp"
#include "Qel/Pages/HoleWords.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

const std::array<QColor, 5>& energyLayerColors() {
  static const std::array<QColor, 5> colours{Palette::energy(), Palette::energyLayer2(), Palette::energyLayer3(),
                                             Palette::energyLayer4(), Palette::energyLayer5()};
  return colours;
}

double presentDraw(const LiveState& live) { return live.power().value_or(live.procWatts()); }

EnergyRing::EnergyRing(const LiveState& live, QWidget* parent) : QWidget(parent), live_(live) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(qtL("Energy over the last 60 seconds"));
  Palette::followAppearance(this);
}

void EnergyRing::refresh(std::vector<std::int32_t> pids) {
  // The series move once a tick, so the tick and the stacked processes say all that can change.
  if (pids == pids_ && drawnTick_ == live_.tick()) return;
  pids_ = std::move(pids);
  drawnTick_ = live_.tick();
  setAccessibleDescription(withNumber("%.1f watts", presentDraw(live_)));
  update();
}

void EnergyRing::drawRing(const Look& look, QPointF origin) {
  drawing_ = clearImage(look.size, look.dpr);
  paintInOneTask([&] { drawRingInto(drawing_, look, origin); });
}

void EnergyRing::drawRingInto(QImage& image, const Look& look, QPointF origin) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(origin);
  const QPointF c(look.centre, look.centre);
  const bool light = look.light;
  const auto ink = [light](double opacity) { return Palette::washIn(light, opacity); };

  p.setPen(Qt::NoPen);
  for (const auto& w : look.wedges) {
    const auto [from, to] = energySlotSpan(w.slot);
    const QColor fill = w.kind == EnergyWedge::Kind::layer ? energyLayerColors()[std::size_t(w.colour)] : ink(1);
    p.setBrush(Palette::withAlpha(fill, w.opacity));
    p.drawPath(Chart::ringSegment(c, w.inner, w.outer, from, to));
  }

  if (look.battery && look.batteryRadius > 0) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(0.07), 4));
    p.drawEllipse(c, look.batteryRadius, look.batteryRadius);
    const double sweep = batteryArcSweep(look.percent);
    if (sweep > 0) {
      p.setPen(QPen(look.percent < 20 ? Palette::strain() : Palette::batteryGreen(), 4, Qt::SolidLine,
                    Qt::RoundCap, Qt::MiterJoin));
      p.drawPath(Chart::arc(c, look.batteryRadius, -Chart::kPi / 2, -Chart::kPi / 2 + sweep));
    }
  }

  p.setPen(QPen(ink(0.8), 1.2));
  p.drawLine(QPointF(look.centre, look.centre - look.inner + 2), QPointF(look.centre, look.centre - look.outer - 6));
}

void EnergyRing::paintEvent(QPaintEvent*) {
  const QRectF square = squareFit(size());
  const double side = square.width();

  std::vector<std::vector<double>> layers;
  static const std::vector<double> none;
  for (auto pid : pids_) {
    const auto it = live_.energyByPid().find(pid);
    layers.push_back(it == live_.energyByPid().end() ? none : it->second);
  }
  EnergyRingLayout ring = energyRingLayout(side, {layers, live_.energyByPid(), live_.powerHist()});
  if (ring.outer <= 0) return;
  const auto& battery = live_.battery();
  // The battery's circle goes round the words in the middle; where the hole is too small for both
  // (a small window), it is left out, and the words say the charge alone.
  const bool circle = battery.present && middleReach(side, ring.inner) + 2 + Space::xxs <= ring.batteryRadius;
  Look look{size(),          devicePixelRatioF(), Palette::light(), std::move(ring.wedges), ring.centre, ring.inner,
            ring.outer,      ring.batteryRadius,  circle,           battery.percent};
  if (look != drawnLook_) {
    drawRing(look, square.topLeft());
    drawnLook_ = std::move(look);
    ++drawings_;
  }

  QPainter p(this);
  p.drawImage(QPointF(0, 0), drawing_);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(square.topLeft());
  const QPointF c(ring.centre, ring.centre);

  paintTimeLabels(p, c, ring.outer, side);
  paintCentre(p, ring.centre, side, ring.inner);
}

// When each part of the ring was, round its outside.
void EnergyRing::paintTimeLabels(QPainter& p, QPointF c, double outer, double side) const {
  const struct {
    const char* text;
    double slot, distance;
  } labels[] = {{Lkey("Now"), 59.5, 18}, {Lkey("45 s ago"), 14.5, 28}, {Lkey("30 s ago"), 29.5, 18}, {Lkey("15 s ago"), 44.5, 28}};
  p.setPen(Palette::tertiaryText().resolve());
  const QFont labelFont = Fonts::text(Type::caption);
  for (const auto& l : labels) {
    const double angle = (l.slot + 0.5) * 2 * Chart::kPi / kEnergySlots - Chart::kPi / 2;
    Chart::drawText(p, qtL(l.text), labelFont, Chart::polar(c, outer + l.distance, angle), Qt::AlignCenter,
                    QRectF(0, 0, side, side));
  }
}

// The middle's words and the fonts fitted to the hole, made again when the words or the size change.
const FittedWords& EnergyRing::fitMiddle(double side, double inner) {
  const auto& battery = live_.battery();
  const QFontMetricsF unit(Fonts::text(Type::title3));
  const QString value = QString::fromStdString(fixed(presentDraw(live_), 1));
  const QString batteryText = battery.present
                                  ? QString::fromStdString(L("Battery %@%", {std::to_string(battery.percent)}))
                                  : qtL("On AC power");
  const FittedWords wanted{{qtL("Right now"), steadyText(value, QStringLiteral("888.8")), batteryText}, side, inner, {}};
  if (!middle_.sameWords(wanted)) {
    const double figureSize = std::min(0.1 * side, 40.0), unitWidth = unit.horizontalAdvance(QStringLiteral("W"));
    const auto widthOf = [](const QString& text) {
      return [text](const QFontMetricsF& fm) { return fm.horizontalAdvance(text); };
    };
    middle_ = wanted;
    middle_.fonts = fitInHole({{Type::footnote, QFont::Normal, 0.8, widthOf(wanted.texts[0])},
                               {figureSize, QFont::Light, std::min(1.0, Type::footnote / figureSize),
                                [&](const QFontMetricsF& fm) {
                                  return fm.horizontalAdvance(wanted.texts[1]) + 2 + unitWidth;
                                }},
                               {Type::body, QFont::Normal, 0.8, widthOf(batteryText)}},
                              2, inner - Space::m);
  }
  return middle_;
}

double EnergyRing::middleReach(double side, double inner) {
  const FittedWords& words = fitMiddle(side, inner);
  const double unitWidth = QFontMetricsF(Fonts::text(Type::title3)).horizontalAdvance(QStringLiteral("W"));
  return stackReach(words.fonts,
                    {QFontMetricsF(words.fonts[0]).horizontalAdvance(words.texts[0]),
                     QFontMetricsF(words.fonts[1]).horizontalAdvance(words.texts[1]) + 2 + unitWidth,
                     QFontMetricsF(words.fonts[2]).horizontalAdvance(words.texts[2])},
                    2);
}

// The middle: "Right now", the figure with its unit on one baseline, and the battery, each line
// set smaller where the hole is too narrow for it.
void EnergyRing::paintCentre(QPainter& p, double centre, double side, double inner) {
  const QFont unitFont = Fonts::text(Type::title3);
  const QFontMetricsF unit(unitFont);
  const QString value = QString::fromStdString(fixed(presentDraw(live_), 1));
  const QString watts = QStringLiteral("W");
  const FittedWords& wanted = fitMiddle(side, inner);
  const QString& batteryText = wanted.texts[2];
  const QFont &captionFont = middle_.fonts[0], &figureFont = middle_.fonts[1], &batteryFont = middle_.fonts[2];
  const QFontMetricsF caption(captionFont), figure(figureFont), batteryMetrics(batteryFont);
  const std::vector<double> tops = stackTops(middle_.fonts, 2);
  double y = centre + tops[0];
  const auto secondary = Palette::secondaryText().resolve();
  p.setPen(secondary);
  p.setFont(captionFont);
  // The rectangles place the lines; a script whose glyphs stand taller than the text font's
  // (Chinese, Japanese, Korean) reaches past them uncut.
  p.drawText(QRectF(0, y, side, caption.height()), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, wanted.texts[0]);
  y = centre + tops[1];
  const double valueWidth = figure.horizontalAdvance(value), unitWidth = unit.horizontalAdvance(watts);
  const double x = centre - (valueWidth + 2 + unitWidth) / 2, baseline = y + figure.ascent();
  p.setFont(figureFont);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QPointF(x, baseline), value);
  p.setFont(unitFont);
  p.setPen(secondary);
  p.drawText(QPointF(x + valueWidth + 2, baseline), watts);
  y = centre + tops[2];
  p.setFont(batteryFont);
  p.drawText(QRectF(0, y, side, batteryMetrics.height()), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
             batteryText);
}

}  // namespace qel
