#include "Qel/Pages/BubbleFieldView.hpp"

#include <QDateTime>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include <cmath>

#include "Qel/Pages/BubbleGeometry.hpp"
#include "Qel/Pages/ChartKit.hpp"
#include "Qel/Pages/PageText.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Motion.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/SquareFit.hpp"

namespace qel {

namespace {

QColor withAlpha(QColor c, double alpha) {
  c.setAlphaF(float(alpha));
  return c;
}

QString shortLabel(const std::string& label) {
  const QString text = QString::fromStdString(label);
  return text.size() > 11 ? text.left(10) + QChar(0x2026) : text;
}

}  // namespace

BubbleFieldPainter::BubbleFieldPainter()
    : nameFont_(Fonts::text(12, QFont::DemiBold)),
      sizeFont_(Fonts::text(11)),
      nameHeight_(QFontMetricsF(nameFont_).height()),
      sizeHeight_(QFontMetricsF(sizeFont_).height()) {}

BubbleFieldPainter::Label& BubbleFieldPainter::label(const Bubble& b) {
  Label& l = labels_[b.key];
  l.seen = true;
  if (l.label != b.label || l.name.isNull()) {
    l.label = b.label;
    l.name = shortLabel(b.label);
    const QFontMetricsF metrics(nameFont_);
    l.nameWidth = metrics.horizontalAdvance(l.name);
    // A few letters and the ellipsis: less than that says nothing.
    l.shortest = l.name.size() > 4 ? metrics.horizontalAdvance(l.name.left(3) + QChar(0x2026)) : l.nameWidth;
    l.room = -2;  // lay the shown name out again
  }
  if (l.bytes != b.bytes || l.size.text().isEmpty()) {
    l.bytes = b.bytes;
    const QString size = QString::fromStdString(fmtBytes(b.bytes));
    l.size.setText(size);
    l.sizeWidth = QFontMetricsF(sizeFont_).horizontalAdvance(size);
  }
  return l;
}

void BubbleFieldPainter::drawLabel(QPainter& p, const Bubble& b, QPointF at, const QColor& colour) {
  if (b.label.empty()) return;
  Label& l = label(b);
  const BubbleLabelPlan plan =
      planBubbleLabel(b.r, {l.nameWidth, nameHeight_}, l.shortest, {l.sizeWidth, sizeHeight_});
  if (!plan.name) return;
  // Whole where it fits; otherwise cut to the room, laid out again only when the room changes
  // by a whole pixel (while the bubble grows or shrinks).
  const double room = l.nameWidth <= plan.nameRoom ? -1 : std::floor(plan.nameRoom);
  if (room != l.room) {
    l.room = room;
    l.shownName.setText(room < 0 ? l.name : QFontMetricsF(nameFont_).elidedText(l.name, Qt::ElideRight, room));
  }
  const auto place = [&](const QStaticText& text, const QFont& font, double height, double y) {
    p.setFont(font);
    const QSizeF size = text.size();
    p.drawStaticText(QPointF(at.x() - size.width() / 2, at.y() + y - height / 2), text);
  };
  p.setPen(colour);
  place(l.shownName, nameFont_, nameHeight_, plan.nameY);
  if (plan.size) {
    p.setPen(withAlpha(colour, colour.alphaF() * 0.7));
    place(l.size, sizeFont_, sizeHeight_, plan.sizeY);
  }
}

void BubbleFieldPainter::paint(QPainter& p, const BubbleModel& model, QPointF c, double pressure) {
  const double R = model.radius();
  if (!(R > 0)) return;
  const QColor line = Palette::light() ? Qt::black : Qt::white;
  p.setRenderHint(QPainter::Antialiasing);

  p.setPen(QPen(withAlpha(line, 0.1), 1));
  p.setBrush(withAlpha(line, 0.03));
  p.drawEllipse(c, R, R);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(line, 0.06), 4));
  p.drawEllipse(c, R + 11, R + 11);
  const double share = std::isfinite(pressure) ? std::clamp(pressure, 0.0, 100.0) / 100 : 0;
  if (share > 0) {
    const QColor ring = pressure >= 85 ? Palette::strain() : pressure >= 60 ? Palette::warn() : Palette::calm();
    p.setPen(QPen(ring, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Chart::arc(c, R + 11, -Chart::kPi / 2, -Chart::kPi / 2 + 2 * Chart::kPi * share));
  }

  for (auto& [key, l] : labels_) l.seen = false;
  const QPen hatch(Palette::rgb(0x8A7BC4), 1.5, Qt::SolidLine, Qt::FlatCap);
  std::vector<QLineF> hatchLines;
  for (const Bubble& b : model.bubbles()) {
    const QPointF at(c.x() + b.x, c.y() + b.y);
    const double r = b.r;
    if (!(r > 0)) continue;
    QColor fill, label = withAlpha(Qt::white, 0.85);
    switch (b.kind) {
      case BubbleKind::user:
        fill = withAlpha(Palette::mem(), 0.82);
        label = Palette::rgb(0x16121F);
        break;
      case BubbleKind::system: fill = Palette::rgb(0x6C5FA0); break;
      case BubbleKind::compressed: fill = Palette::rgb(0x3D3656); break;
      case BubbleKind::wired: fill = Palette::rgb(0x4B4470); break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(at, r, r);
    if (b.kind == BubbleKind::compressed) {
      // Diagonals 6 apart rising to the right, each cut to the circle by hand: cheaper than a
      // clip, and the stroke's half width kept inside the edge.
      hatchLines.clear();
      bubbleHatch(r, hatch.widthF() / 2, hatchLines);
      p.save();
      p.translate(at);
      p.setPen(hatch);
      p.drawLines(hatchLines.data(), int(hatchLines.size()));
      p.restore();
    }
    drawLabel(p, b, at, label);
  }
  std::erase_if(labels_, [](const auto& entry) { return !entry.second.seen; });
}

BubbleFieldView::BubbleFieldView(Store& store, QWidget* parent)
    : QWidget(parent), store_(store), frames_([this] { frame(); }) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(qtL("Memory bubble chart"));
  Palette::followAppearance(this);
}

QPointF BubbleFieldView::centre() const {
  const QRectF square = squareFit(QSizeF(size()));
  return square.center();
}

double BubbleFieldView::fieldRadius() const { return std::max(squareFit(QSizeF(size())).width() / 2 - 24, 0.0); }

bool BubbleFieldView::onScreen() const {
  const QWindow* handle = window()->windowHandle();
  return isVisible() && handle && handle->isExposed() && !window()->isMinimized();
}

void BubbleFieldView::schedule() {
  if (!onScreen()) {
    frames_.stop();
    return;
  }
  // Without motion the field still settles, a step a second.
  const int interval = Motion::duration(FrameTimer::kFrameMs) > 0 ? FrameTimer::kFrameMs : 1000;
  frames_.startAt(FrameTimer::now() + interval);
}

void BubbleFieldView::frame() {
  const MemSample& mem = store_.mem();
  model_.sync(bubbleItems(store_.procs(), mem), mem.total, fieldRadius());
  // Seconds since 2001, as the drift's phase.
  model_.step(double(QDateTime::currentMSecsSinceEpoch()) / 1000.0 - 978307200.0);
  const double used = double(mem.app) + double(mem.wired) + double(mem.compressed);
  const QString description =
      QString::fromStdString(L("%@ used", {fmtPercent(mem.total ? used / double(mem.total) : 0)}));
  if (description != accessibleDescription()) setAccessibleDescription(description);
  // The field's square only: the rest of the view stays as it was.
  update(squareFit(QSizeF(size())).toAlignedRect());
  schedule();
}

void BubbleFieldView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  painter_.paint(p, model_, centre(), store_.mem().pressure);
}

void BubbleFieldView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPointF at = event->position() - centre();
  if (std::hypot(at.x(), at.y()) > squareFit(QSizeF(size())).width() / 2) return;
  const Bubble* b = model_.hit(at.x(), at.y());
  if (b && b->pid) store_.setDetailPID(*b->pid);
}

void BubbleFieldView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  QWindow* handle = window()->windowHandle();
  if (handle && handle != watched_) {
    if (watched_) watched_->removeEventFilter(this);
    handle->installEventFilter(this);
    watched_ = handle;
    window()->installEventFilter(this);
  }
  frame();
}

void BubbleFieldView::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  frames_.stop();
}

bool BubbleFieldView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Expose:
    case QEvent::WindowStateChange:
      if (onScreen() && !frames_.isActive()) schedule();
      else if (!onScreen()) frames_.stop();
      break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qel
