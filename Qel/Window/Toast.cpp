#include "Qel/Window/Toast.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Window/ToastSpot.hpp"

namespace qel {

namespace {

constexpr double kPadX = Space::xxl, kPadY = Space::m;

// The control the user pressed last (by pointer or key): the toast that follows is its answer.
class PressWatch : public QObject {
 public:
  static QWidget* last() { return get().last_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && watched->isWidgetType())
      last_ = static_cast<QWidget*>(watched);
    return QObject::eventFilter(watched, event);
  }

 private:
  static PressWatch& get() {
    static auto* watch = [] {
      auto* w = new PressWatch;
      w->setParent(qApp);
      qApp->installEventFilter(w);
      return w;
    }();
    return *watch;
  }
  QPointer<QWidget> last_;
};

// A widget the user acts on: what the keyboard can reach, less the scroll areas that only hold
// other widgets.
bool isControl(const QWidget* w) {
  if (!(w->focusPolicy() & Qt::TabFocus)) return false;
  const auto* area = qobject_cast<const QAbstractScrollArea*>(w);
  return !area || qobject_cast<const QAbstractItemView*>(w);
}

// The part of `w` on show, in `host`'s coordinates.
QRect shownIn(const QWidget* w, const QWidget* host) {
  const QRect seen = w->visibleRegion().boundingRect();
  return seen.isEmpty() ? QRect() : QRect(w->mapTo(host, seen.topLeft()), seen.size());
}

}  // namespace

Toast::Toast(QWidget* parent) : QWidget(parent), home_(parent), frames_([this] { frame(); }) {
  PressWatch::last();  // watching from now on
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
    source_ = PressWatch::last();
    restIn_ = {};  // to be found anew for this text
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
  restIn_ = {};
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
  else if (watched == sheet_ && event->type() == QEvent::LayoutRequest && isVisible())
    findRest(sheet_->size());  // its content changed under the toast
  return QWidget::eventFilter(watched, event);
}

QSize Toast::sizeHint() const { return sizeWithin(std::numeric_limits<int>::max()); }

namespace {

QTextOption wrapping() {
  QTextOption option(Qt::AlignCenter);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

}  // namespace

// One line while it fits, else as many as it takes at that width: a message is never cut.
QSize Toast::sizeWithin(int width) const {
  const QFontMetricsF fm(font());
  // The line breaker counts a last letter's ink reaching past its advance (an "r"): a capsule
  // only as wide as the advance would push the last word onto a line it has no room for.
  const auto overhang = [&fm](const QString& s) {
    const QString kept = s.trimmed();
    return kept.isEmpty() ? 0.0 : std::max(0.0, -fm.rightBearing(kept.back()));
  };
  const double line = fm.horizontalAdvance(text_) + overhang(text_);
  const double room = width - 2 * kPadX;
  if (line <= room) return {int(std::ceil(line + 2 * kPadX)), int(std::ceil(fm.height() + 2 * kPadY))};
  QTextLayout layout(text_, font());
  layout.setTextOption(wrapping());
  layout.beginLayout();
  double height = 0, widest = 0;
  for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
    l.setLineWidth(std::max(1.0, room));
    height += l.height();
    widest = std::max(widest, l.naturalTextWidth() + overhang(text_.mid(l.textStart(), l.textLength())));
  }
  layout.endLayout();
  return {int(std::ceil(widest + 2 * kPadX)), int(std::ceil(height + 2 * kPadY))};
}

void Toast::findRest(QSize parent) {
  // A long text takes more lines rather than running past the window.
  const QSize size = sizeWithin(std::max(0, parent.width() - 2 * Space::xl));
  ToastRoom room{.window = parent,
                 .usual = QRect(QPoint((parent.width() - size.width()) / 2, parent.height() - kBottom - size.height()), size),
                 .margin = Space::xl,
                 .clearance = Space::s};
  QWidget* host = parentWidget();
  if (host) {
    for (const QWidget* w : host->findChildren<QWidget*>()) {
      if (w == this || isAncestorOf(w) || !w->isVisible()) continue;
      const bool words = qobject_cast<const QLabel*>(w) && !static_cast<const QLabel*>(w)->text().isEmpty();
      if (!words && !isControl(w)) continue;
      if (const QRect r = shownIn(w, host); !r.isEmpty()) (words ? room.ratherClear : room.keepClear).push_back(r);
    }
    // The row of the control that raised it holds what the message speaks of.
    if (const QWidget* row = source_ && host->isAncestorOf(source_) ? source_->parentWidget() : nullptr;
        row && row != host && row->isVisible() && row->height() <= host->height() / 3)
      if (const QRect r = shownIn(row, host); !r.isEmpty()) room.keepClear.push_back(r);
  }
  rest_ = toastSpot(room);
  restIn_ = parent;
}

void Toast::place(QSize parent) {
  if (parent != restIn_) findRest(parent);
  // Slides up into its resting place from as far below it as the window's foot lies below the usual one.
  const int travel = kBottom + rest_.height();
  const int y = int(std::lround(rest_.top() + (1 - drawnProgress_) * travel));
  setGeometry(rest_.left(), y, rest_.width(), rest_.height());
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
  p.drawText(box.adjusted(kPadX, kPadY, -kPadX, -kPadY), text_, wrapping());
}

}  // namespace qel
