#include "Qel/Kit/Widgets/PillSegment.hpp"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {
constexpr double kInset = Space::lines, kSpacing = Space::xxs, kPadX = Space::l, kPadY = Space::xs;
}

PillLayout layoutPills(std::span<const double> titleWidths, double textHeight) {
  PillLayout out;
  const double h = std::max(0.0, textHeight) + 2 * kPadY;
  double x = kInset;
  for (std::size_t i = 0; i < titleWidths.size(); ++i) {
    if (i > 0) x += kSpacing;
    const double w = std::max(0.0, titleWidths[i]) + 2 * kPadX;
    out.pills.emplace_back(x, kInset, w, h);
    x += w;
  }
  out.size = QSizeF(x + kInset, h + 2 * kInset);
  return out;
}

PillSegment::PillSegment(QWidget* parent) : QWidget(parent) {
  setFont(Fonts::text(Type::footnote, QFont::Medium));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  // Reached with Tab and moved with the arrow keys, like the pills under a pointer.
  setFocusPolicy(Qt::StrongFocus);
  Palette::followAppearance(this);
}

void PillSegment::setTitles(std::vector<QString> titles) {
  if (titles == titles_) return refresh();  // the same options again: a tick that changed nothing here
  // New titles for the same options (a live number changed) keep a press in progress.
  if (titles.size() != titles_.size()) pressed_ = -1;
  titles_ = std::move(titles);
  updateGeometry();
  update();
}

void PillSegment::refresh() {
  if (selection() != paintedSelection_) update();
}

int PillSegment::selection() const {
  for (int i = 0; i < count(); ++i)
    if (isSelected(i)) return i;
  return -1;
}

bool PillSegment::isSelected(int index) const {
  return index >= 0 && index < count() && isSelected_ && isSelected_(index);
}

PillLayout PillSegment::layout() const {
  QFontMetricsF fm(font());
  std::vector<double> widths;
  for (const auto& t : titles_) widths.push_back(fm.horizontalAdvance(t));
  return layoutPills(widths, fm.height());
}

QRectF PillSegment::pillRect(int index) const {
  const auto l = layout();
  return index >= 0 && std::size_t(index) < l.pills.size() ? l.pills[std::size_t(index)] : QRectF();
}

int PillSegment::pillAt(const QPointF& pos) const {
  const auto l = layout();
  for (std::size_t i = 0; i < l.pills.size(); ++i)
    if (l.pills[i].contains(pos)) return int(i);
  return -1;
}

QSize PillSegment::sizeHint() const {
  const auto s = layout().size;
  return {int(std::ceil(s.width())), int(std::ceil(s.height()))};
}

void PillSegment::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const auto l = layout();
  paintedSelection_ = selection();
  const auto capsule = [&p](const QRectF& r, const QColor& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  };
  capsule(QRectF(QPointF(0, 0), l.size), Palette::adaptiveOpacity(0.06, 0.06).resolve());
  for (std::size_t i = 0; i < l.pills.size(); ++i) {
    const bool selected = isSelected(int(i));
    if (selected) capsule(l.pills[i], Palette::adaptiveOpacity(0.12, 0.12).resolve());
    p.setPen((selected ? Palette::primaryText() : Palette::secondaryText()).resolve());
    p.drawText(l.pills[i], Qt::AlignCenter | Qt::TextSingleLine, titles_[i]);
  }
  if (focusRingShown(this)) paintFocusRing(p, QRectF(QPointF(0, 0), l.size), l.size.height() / 2);
}

void PillSegment::keyPressEvent(QKeyEvent* event) {
  const int current = selection();
  int next = current;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: next = std::max(0, current - 1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: next = std::min(count() - 1, current + 1); break;
    case Qt::Key_Home: next = 0; break;
    case Qt::Key_End: next = count() - 1; break;
    default: return QWidget::keyPressEvent(event);
  }
  event->accept();
  if (next == current || next < 0 || !pick_) return;
  QPointer<PillSegment> self(this);  // the setter may rebuild the view that holds this
  pick_(next);
  if (self) update();
}

void PillSegment::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PillSegment::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void PillSegment::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? pillAt(event->position()) : -1;
  event->accept();
}

void PillSegment::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = std::exchange(pressed_, -1);
  if (event->button() != Qt::LeftButton || pressed < 0 || pillAt(event->position()) != pressed) return;
  QPointer<PillSegment> self(this);  // the setter may rebuild the view that holds this
  if (pick_) pick_(pressed);
  if (self) update();
}

}  // namespace qel
