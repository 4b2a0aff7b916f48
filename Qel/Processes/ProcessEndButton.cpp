#include "Qel/Processes/ProcessEndButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"

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

void ProcessEndButton::paintEvent(QPaintEvent* event) {
  PillButton::paintEvent(event);
  if (!Palette::light()) return;
  // On a light ground the capsule takes a faint edge.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Palette::adaptiveOpacity(0.12, 0).resolve(), 1));
  const QRectF edge = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.drawRoundedRect(edge, edge.height() / 2, edge.height() / 2);
}

}  // namespace qel
