#include "Qel/Kit/Widgets/StableValue.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

StableValue::StableValue(const QString& text, const QString& widest, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent),
      text_(text),
      widest_(widest),
      alignment_(alignment & Qt::AlignHorizontal_Mask),
      color_(Palette::primaryText()) {
  setFont(Fonts::text(Type::body));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(text_);
  Palette::followAppearance(this);
}

void StableValue::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  setAccessibleName(text_);
  update();
}

void StableValue::setColor(AdaptiveColor color) {
  color_ = std::move(color);
  update();
}

QSize StableValue::sizeHint() const {
  QFontMetricsF fm(font());
  return {int(std::ceil(fm.horizontalAdvance(widest_))), int(std::ceil(fm.height()))};
}

void StableValue::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

void StableValue::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(color_.resolve());
  p.drawText(rect(), int(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine), text_);
}

}  // namespace qel
