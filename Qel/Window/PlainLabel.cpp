#include "Qel/Window/PlainLabel.hpp"

#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Palette.hpp"

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

void PlainLabel::applyColor() {
  QPalette p;  // only this role is set; the rest follows the application
  p.setColor(QPalette::WindowText, color_.resolve());
  setPalette(p);
}

}  // namespace qel
