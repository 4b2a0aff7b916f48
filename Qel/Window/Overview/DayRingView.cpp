#include "Qel/Window/Overview/DayRingView.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/Overview/DayRingGeometry.hpp"
#include "Qel/Window/Overview/DayRingPainter.hpp"

namespace qel {

namespace {

// The CPU figure of the centre: halves round away from zero.
QString percentFigure(double fraction) {
  const double v = std::isfinite(fraction) ? std::clamp(fraction * 100, -1e9, 1e9) : 0;
  return QString::number(std::llround(v));
}

// A line of the centre's words at its full size; the centre scales every line alike.
struct CentreLine {
  QString text;
  double size;
  QFont::Weight weight;
  QColor color;
  QString suffix = {};  // the small "%" after the figure
  double suffixSize = 0;
  QString widest = {};  // what the line can grow to as the numbers change: the size rests on it
};

// The moment's label, then its CPU figure (a dash without one) and what goes with it.
std::vector<CentreLine> centreLines(const Moment& moment, bool asleep, double side, const QColor& grey,
                                    const QColor& ink) {
  std::vector<CentreLine> lines;
  lines.push_back({qs(moment.label), Type::footnote, QFont::Normal, grey});
  if (!moment.cpu) {
    lines.push_back({QStringLiteral("—"), Type::ringDash, QFont::Light, ink});
    lines.push_back({qs(asleep ? L("Asleep") : L("No history for this time")), Type::ringNote, QFont::Normal, grey});
  } else {
    lines.push_back({percentFigure(*moment.cpu), std::min(side * 0.15, 58.0), QFont::Light, ink, QStringLiteral("%"),
                     Type::title1, QStringLiteral("100")});
    lines.push_back({qs(L("CPU, memory %@", {fmtPercent(moment.mem.value_or(0))})), Type::ringNote, QFont::Normal, grey, {}, 0,
                     qs(L("CPU, memory %@", {fmtPercent(1.0)}))});
  }
  return lines;
}

// The width of `text` set as `line` at `scale`, its suffix included.
double lineWidth(const CentreLine& line, double scale, const QString& text) {
  const double textW = QFontMetricsF(Fonts::text(line.size * scale, line.weight)).horizontalAdvance(text);
  return line.suffix.isEmpty()
             ? textW
             : textW + 2 + QFontMetricsF(Fonts::text(line.suffixSize * scale)).horizontalAdvance(line.suffix);
}

}  // namespace

DayRingView::DayRingView(const ViewContext& context, QWidget* parent)
    : QWidget(parent),
      live_(context.live),
      day_(context.day),
      insights_(context.insights),
      sleep_(context.sleep),
      navigator_(context.navigator) {
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setMinimumSize(200 + 2 * kBleed, 200);
  setAccessibleName(qs(L("Ring")));
  Palette::followAppearance(this);
  follow(context.day.changed() | context.insights.changed() | context.live.changed() | context.sleep.changed() |
             context.stretches.changed(),
         this, [this] { storeChanged(); });
  picture_ = dayRingPicture(live_, day_, insights_);
  moment_ = day_.moment();
  selectedSleep_ = sleep_.selectedSleep().has_value();
  setAccessibleDescription(qs(moment_.label));
}

QRectF DayRingView::ringFrame() const {
  const double side = std::max(0, std::min(width() - 2 * kBleed, height()));
  return {(width() - side) / 2, (height() - side) / 2, side, side};
}

QRectF DayRingView::canvasRect() const { return ringFrame().adjusted(-kBleed, 0, kBleed, 0); }

QRectF DayRingView::centreRect() const {
  const QRectF f = ringFrame();
  const double r = std::max(0.0, dayRingGeometry(f.size(), 1).inner);  // the centre's words stay inside
  return QRectF(f.center() - QPointF(r, r), QSizeF(2 * r, 2 * r)).toAlignedRect();
}

void DayRingView::storeChanged() {
  DayRingPicture picture = dayRingPicture(live_, day_, insights_);
  Moment moment = day_.moment();
  const bool asleep = sleep_.selectedSleep().has_value();
  if (!drawsAlike(picture, picture_)) {
    picture_ = std::move(picture);
    update();
  }
  if (moment != moment_ || asleep != selectedSleep_) {
    moment_ = std::move(moment);
    selectedSleep_ = asleep;
    setAccessibleDescription(qs(moment_.label));
    update(centreRect().toAlignedRect());
  }
}

void DayRingView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setAccessibleName(qs(L("Ring")));
    drawnSize_ = {};  // the labels are words
    storeChanged();
    update();
  }
  QWidget::changeEvent(event);
}

void DayRingView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF canvas = canvasRect();
  const double ratio = devicePixelRatioF();
  const bool light = Palette::light();
  const QSize size = canvas.size().toSize();
  if (size != drawnSize_ || ratio != drawnRatio_ || light != drawnLight_ || picture_ != drawnPicture_) {
    drawing_ = QPixmap(size * ratio);
    drawing_.setDevicePixelRatio(ratio);
    drawing_.fill(Qt::transparent);
    QPainter d(&drawing_);
    paintDayRing(d, dayRingGeometry(QSizeF(size), picture_.count()), picture_, light);
    drawnSize_ = size;
    drawnRatio_ = ratio;
    drawnLight_ = light;
    drawnPicture_ = picture_;
    ++drawings_;
  }
  if (!size.isEmpty()) p.drawPixmap(canvas.topLeft(), drawing_);
  paintCentre(p, ringFrame());
}

void DayRingView::paintCentre(QPainter& p, const QRectF& frame) {
  const DayRingGeometry g = dayRingGeometry(frame.size(), 1);
  if (g.empty()) return;
  const QColor grey = Palette::secondaryText().resolve();
  const QColor ink = Palette::primaryText().resolve();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  const std::vector<CentreLine> lines = centreLines(moment_, selectedSleep_, frame.width(), grey, ink);
  // The words shrink together until they clear the memory track (the marks may lie over them).
  std::vector<QSizeF> boxes;
  for (const auto& l : lines)
    boxes.emplace_back(std::max(lineWidth(l, 1, l.text), lineWidth(l, 1, l.widest)),
                       QFontMetricsF(Fonts::text(l.size, l.weight)).height());
  const double scale = centreTextScale(boxes, 2, g.inner - 4);
  if (!(scale > 0)) return;

  double total = 2 * scale * double(lines.size() - 1);
  for (const auto& b : boxes) total += b.height() * scale;
  double y = frame.center().y() - total / 2;
  for (const auto& l : lines) {
    const QFont font = Fonts::text(l.size * scale, l.weight);
    const QFontMetricsF fm(font);
    const double textW = fm.horizontalAdvance(l.text);
    const double x = frame.center().x() - lineWidth(l, scale, l.text) / 2;
    p.setFont(font);
    p.setPen(l.color);
    p.drawText(QPointF(x, y + fm.ascent()), l.text);
    if (!l.suffix.isEmpty()) {  // on the figure's baseline
      p.setFont(Fonts::text(l.suffixSize * scale));
      p.setPen(grey);
      p.drawText(QPointF(x + textW + 2, y + fm.ascent()), l.suffix);
    }
    y += fm.height() + 2 * scale;
  }
}

void DayRingView::selectAt(QPointF pos, bool press) {
  const QRectF frame = ringFrame();
  const QPointF local = pos - frame.topLeft();
  const double c = frame.width() / 2;
  // Only the disc takes clicks; a drag begun on it follows the pointer anywhere.
  if (press && std::hypot(local.x() - c, local.y() - c) > c) return;
  const auto slot = slotAtPoint(local, frame.width(), picture_.count());
  if (!slot) return;
  dragging_ = true;
  // The present slot stands for "now", so a click there returns to the present, unless it is
  // on an event's dot there: that selects the slot, so its event can be read.
  if (press && picture_.mode == RingMode::day && !day_.viewDay() && *slot == day_.maxSlot()) {
    const auto g = dayRingGeometry(frame.size(), picture_.count());
    for (const auto& e : picture_.events)
      if (e.slot == *slot && std::hypot(local.x() - g.at(g.angle(e.slot), g.outer + 6).x(),
                                        local.y() - g.at(g.angle(e.slot), g.outer + 6).y()) <= 8) {
        navigator_.setSelectedSlot(*slot);
        return;
      }
  }
  navigator_.select(*slot);
}

void DayRingView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  selectAt(event->position(), true);
}

void DayRingView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) selectAt(event->position(), false);
}

void DayRingView::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace qel
