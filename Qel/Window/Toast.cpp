#include "Qel/Window/Toast.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {
constexpr double kPadX = Space::xxl, kPadY = Space::m;
}

Toast::Toast(QWidget* parent) : QWidget(parent), home_(parent), frames_([this] { frame(); }) {
  setFont(Fonts::text(Type::body, QFont::Medium));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* shadow = new QGraphicsDropShadowEffect(this);
  shadow->setColor(Palette::shadow(int(0.35 * 255) / 255.0));
  shadow->setBlurRadius(28);
  shadow->setOffset(0, 6);
  setGraphicsEffect(shadow);
  hide();
}

void Toast::setMessage(const std::optional<QString>& text) {
  if (text) {
    if (showing_ && *text == text_) return;  // the same message again: nothing to draw anew
    text_ = *text;
    showing_ = true;
    show();
    raise();
    // A new text enters anew from the top.
    progress_ = {0, 0};
    animateTo(1);
  } else if (showing_) {
    showing_ = false;
    animateTo(0);
  }
}

void Toast::animateTo(double target) {
  const std::int64_t now = FrameTimer::now();
  progress_ = {progress_.at(now), target, now, Motion::duration(200)};
  frame();
}

void Toast::frame() {
  const std::int64_t now = FrameTimer::now();
  drawnProgress_ = progress_.at(now);
  if (parentWidget()) place(parentWidget()->size());
  update();
  if (progress_.runs(now)) {
    frames_.startNextFrame();
  } else {
    frames_.stop();
    if (!showing_) hide();
  }
}

void Toast::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Out of sight the slide lands on its end at once.
  if (frames_.isActive()) {
    progress_ = {progress_.to, progress_.to};
    frames_.stop();
    drawnProgress_ = progress_.to;
  }
}

void Toast::standOver(QWidget* window) {
  QWidget* host = window && window->isVisible() ? window : home_.data();
  if (!host || host == parentWidget()) return;
  if (sheet_) sheet_->removeEventFilter(this);
  sheet_ = host == home_ ? nullptr : window;
  if (sheet_) sheet_->installEventFilter(this);
  const bool shown = isVisible();
  setParent(host);
  place(host->size());
  if (shown) {
    show();
    raise();
  }
}

bool Toast::eventFilter(QObject* watched, QEvent* event) {
  // The sheet goes (closed, or about to be deleted with the toast inside): back to the main window.
  if (watched == sheet_ && (event->type() == QEvent::Hide || event->type() == QEvent::DeferredDelete))
    standOver(nullptr);
  else if (watched == sheet_ && event->type() == QEvent::Resize)
    place(sheet_->size());
  return QWidget::eventFilter(watched, event);
}

QSize Toast::sizeHint() const {
  QFontMetricsF fm(font());
  return {int(std::ceil(fm.horizontalAdvance(text_) + 2 * kPadX)), int(std::ceil(fm.height() + 2 * kPadY))};
}

void Toast::place(QSize parent) {
  QSize size = sizeHint();
  // A long text is cut short rather than running past the window.
  size.setWidth(std::max(0, std::min(size.width(), parent.width() - 2 * Space::xl)));
  // Slides from just below the window's bottom edge up to its resting place.
  const int rest = parent.height() - kBottom - size.height();
  const int y = int(std::lround(rest + (1 - drawnProgress_) * (kBottom + size.height())));
  setGeometry((parent.width() - size.width()) / 2, y, size.width(), size.height());
}

void Toast::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(drawnProgress_);
  const QRectF box(rect());
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::paper());
  p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
  p.setPen(Palette::ink());
  const QString shown = QFontMetricsF(font()).elidedText(text_, Qt::ElideRight, box.width() - 2 * kPadX);
  p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

}  // namespace qel
