#include "Qel/Processes/ProcessEndButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Elision.hpp"
#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Legible.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/Spacing.hpp"
#include "Qel/Kit/TypeScale.hpp"

namespace qel {

namespace {
constexpr QSize kPadding(Space::xl, Space::ml);
}

ProcessEndButton::ProcessEndButton(const QString& text, QWidget* parent)
    : PillButton(text, Type::callout, QFont::DemiBold, Palette::ink(), Palette::paper(), kPadding, parent),
      full_(text) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize ProcessEndButton::minimumSizeHint() const { return {80, sizeHint().height()}; }

void ProcessEndButton::resizeEvent(QResizeEvent* event) {
  PillButton::resizeEvent(event);
  setText(elidedName(this, QFontMetricsF(font()), full_, width() - 2 * kPadding.width()));
}

void ProcessEndButton::paintEvent(QPaintEvent*) {
  // Painted here rather than by the capsule so the focus ring can take the capsule's own colour
  // into account: on the dark capsule of a light ground a grey ring would all but vanish.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  const Look colours = look(Palette::paper(), Palette::ink(), Legible::ground());
  p.setPen(Qt::NoPen);
  p.setBrush(colours.fill);
  p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
  p.setPen(colours.ink);
  p.setFont(font());
  p.drawText(box, Qt::AlignCenter, text());
  if (Palette::light()) {
    // On a light ground the capsule takes a faint edge.
    p.setPen(QPen(Palette::adaptiveOpacity(0.12, 0).resolve(), 1));
    p.setBrush(Qt::NoBrush);
    const QRectF edge = box.adjusted(0.5, 0.5, -0.5, -0.5);
    p.drawRoundedRect(edge, edge.height() / 2, edge.height() / 2);
  }
  if (focusRingShown(this)) paintFocusRing(p, box, box.height() / 2, colours.fill);
}

}  // namespace qel
