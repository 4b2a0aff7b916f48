#include "Qel/MenuBar/TodayStrip.hpp"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr int kSlots = 144;
constexpr double kDotRow = 10;

QFont labelFont() { return Fonts::text(Type::caption); }

}  // namespace

std::vector<StripBar> stripBars(const std::vector<std::optional<DayBucket>>& day, QSizeF size) {
  std::vector<StripBar> bars;
  const double w = size.width() / kSlots;
  const double barWidth = std::max(w - 0.6, 1.0);
  const double h = size.height();
  for (int i = 0; i < kSlots; ++i) {
    const double x = i * w;
    const auto& bucket = std::size_t(i) < day.size() ? day[std::size_t(i)] : std::nullopt;
    if (!bucket || bucket->count == 0) {
      bars.push_back({QRectF(x, h - 2, barWidth, 2), StripTone::empty});
      continue;
    }
    const double v = std::isfinite(bucket->cpu) ? std::clamp(bucket->cpu, 0.0, 1.0) : 0;
    const double barHeight = std::max((h - kDotRow) * v, 2.0);
    const StripTone tone = v >= 0.88 ? StripTone::hot : v >= 0.7 ? StripTone::warm : StripTone::calm;
    bars.push_back({QRectF(x, h - barHeight, barWidth, barHeight), tone});
  }
  return bars;
}

QPointF stripDot(int slot, double width) { return {(slot + 0.5) / kSlots * width, 4}; }

TodayStrip::TodayStrip(const DayState& day, std::function<void(int)> jump, QWidget* parent)
    : QWidget(parent), dayState_(day), jump_(std::move(jump)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFixedHeight(sizeHint().height());
  setMouseTracking(true);
  refresh();
}

QSize TodayStrip::sizeHint() const { return {340, kHeight + 3 + int(std::ceil(QFontMetricsF(labelFont()).height()))}; }

void TodayStrip::refresh() {
  auto events = dayState_.events();
  if (dayState_.day() == day_ && events == events_) return;
  day_ = dayState_.day();
  events_ = std::move(events);
  update();
}

std::optional<DayEvent> TodayStrip::eventAt(QPointF at) const {
  // Each dot takes clicks over a 16 × 16 square around it; the last drawn wins.
  for (auto it = events_.rbegin(); it != events_.rend(); ++it) {
    const QPointF c = stripDot(it->slot, width());
    if (std::abs(at.x() - c.x()) <= 8 && std::abs(at.y() - c.y()) <= 8) return *it;
  }
  return std::nullopt;
}

void TodayStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QColor empty = Palette::wash(0.08);
  for (const auto& bar : stripBars(day_, QSizeF(width(), kHeight))) {
    QColor c = empty;
    if (bar.tone != StripTone::empty) {
      c = bar.tone == StripTone::hot ? PanelStyle::hot() : bar.tone == StripTone::warm ? PanelStyle::warm()
                                                                                    : PanelStyle::accent();
      c.setAlphaF(0.8F);
    }
    p.setBrush(c);
    p.drawRect(bar.rect);
  }
  for (const auto& e : events_) {
    p.setBrush(e.isMemory ? PanelStyle::hot() : PanelStyle::warm());
    p.drawEllipse(stripDot(e.slot, width()), 4, 4);
  }
  p.setFont(labelFont());
  p.setPen(PanelStyle::muted());
  const QRectF labels(0, kHeight + 3, width(), height() - kHeight - 3);
  const QString texts[] = {QString::fromStdString(L("0:00")), "6", "12", "18", "24"};
  // Five labels with equal space between them, the first and last flush with the edges.
  const QFontMetricsF fm(labelFont());
  double total = 0;
  for (const auto& t : texts) total += fm.horizontalAdvance(t);
  const double gap = (width() - total) / 4;
  double x = 0;
  for (const auto& t : texts) {
    p.drawText(QRectF(x, labels.top(), fm.horizontalAdvance(t) + 1, labels.height()), Qt::AlignLeft | Qt::AlignVCenter, t);
    x += fm.horizontalAdvance(t) + gap;
  }
}

void TodayStrip::mouseMoveEvent(QMouseEvent* event) {
  setCursor(eventAt(event->position()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TodayStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (auto e = eventAt(event->position()); e && jump_) {
    event->accept();
    jump_(e->slot);
  }
}

bool TodayStrip::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (auto e = eventAt(help->pos())) {
      QToolTip::showText(
          help->globalPos(),
          plainToolTip(QString::fromStdString(dayState_.slotLabel(e->slot) + "  " + displayName(e->title))), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace qel
