#include "Qel/Kit/Widgets/PlainLabel.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

PlainLabel::PlainLabel(const QString& text, double pixelSize, QFont::Weight weight, AdaptiveColor color,
                       QWidget* parent)
    : QLabel(parent), color_(std::move(color)) {
  setTextFormat(Qt::PlainText);
  setText(text);
  setFont(Fonts::text(pixelSize, weight));
  applyColor();
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, this, &PlainLabel::applyColor);
}

void PlainLabel::setColor(AdaptiveColor color) {
  color_ = std::move(color);
  applyColor();
}

void PlainLabel::setElided(bool elided) {
  elided_ = elided;
  letElide(this, elided);
  if (elided) setWordWrap(false);
  updateGeometry();
  update();
}

QString PlainLabel::shownText() const {
  if (!elided_) return text();
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize PlainLabel::minimumSizeHint() const {
  if (!elided_) return QLabel::minimumSizeHint();
  // Room for a letter or two and the ellipsis.
  return {fontMetrics().horizontalAdvance(QStringLiteral("MM…")), QLabel::minimumSizeHint().height()};
}

void PlainLabel::paintEvent(QPaintEvent* event) {
  if (!elided_) {
    QLabel::paintEvent(event);
    return;
  }
  const QString shown = shownText();
  const QString tip = shown == text() ? QString() : plainToolTip(text());
  if (toolTip() != tip) setToolTip(tip);
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, shown);
}

void PlainLabel::applyColor() {
  QPalette p;  // only this role is set; the rest follows the application
  p.setColor(QPalette::WindowText, color_.resolve());
  setPalette(p);
}

}  // namespace qel
