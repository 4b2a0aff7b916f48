#include "Qel/Pages/Panel.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

Panel::Panel(QWidget* content, double padding, QWidget* parent)
    : QWidget(parent), padding_(std::isfinite(padding) ? std::max(0.0, padding) : 0.0) {
  auto* layout = new QVBoxLayout(this);
  const int m = int(std::lround(padding_));
  layout->setContentsMargins(m, m, m, m);
  layout->setSpacing(0);
  setContent(content);
  Palette::followAppearance(this);
}

void Panel::setContent(QWidget* content) {
  if (content_ == content) return;
  delete content_;
  content_ = content;
  if (content_) layout()->addWidget(content_);
}

void Panel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  // The card is tall and its changed parts small: see paintRectByRect.
  paintRectByRect(p, event->region(),
                  [&](const QRect&) { p.drawRoundedRect(QRectF(rect()), Radius::cardLarge, Radius::cardLarge); });
}

}  // namespace qel
