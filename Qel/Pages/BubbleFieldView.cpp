#include "Qel/Pages/BubbleFieldView.hpp"

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include <cmath>

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

void paintBubbleField(QPainter& p, const BubbleModel& model, QPointF c, double pressure) {
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

  static const QFont nameFont = Fonts::text(12, QFont::DemiBold);
  static const QFont sizeFont = Fonts::text(11);
  static const QFont initialFont = Fonts::text(11, QFont::DemiBold);
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
      p.save();
      QPainterPath clip;
      clip.addEllipse(at, r, r);
      p.setClipPath(clip);
      p.setPen(QPen(Palette::rgb(0x8A7BC4), 1.5));
      for (double d = -2 * r; d < 2 * r; d += 6)
        p.drawLine(QPointF(at.x() + d, at.y() + r), QPointF(at.x() + d + 2 * r, at.y() - r));
      p.restore();
    }
    p.setPen(label);
    if (r > 34) {
      Chart::drawText(p, shortLabel(b.label), nameFont, {at.x(), at.y() - 7}, Qt::AlignCenter);
      p.setPen(withAlpha(label, label.alphaF() * 0.7));
      Chart::drawText(p, QString::fromStdString(fmtBytes(b.bytes)), sizeFont, {at.x(), at.y() + 8}, Qt::AlignCenter);
    } else if (r > 16 && !b.label.empty()) {
      Chart::drawText(p, QString::fromStdString(b.label).left(1), initialFont, at, Qt::AlignCenter);
    }
  }
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
  setAccessibleDescription(
      QString::fromStdString(L("%@ used", {fmtPercent(mem.total ? used / double(mem.total) : 0)})));
  update();
  schedule();
}

void BubbleFieldView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paintBubbleField(p, model_, centre(), store_.mem().pressure);
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
