#include "Qel/Kit/Widgets/SquareFit.hpp"

#include <algorithm>

namespace qel {

QRectF squareFit(QSizeF size) {
  const double w = std::max(0.0, size.width()), h = std::max(0.0, size.height());
  const double side = std::min(w, h);
  return {(w - side) / 2, (h - side) / 2, side, side};
}

SquareFit::SquareFit(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
  if (content_) content_->setParent(this);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SquareFit::resizeEvent(QResizeEvent*) {
  if (content_) content_->setGeometry(squareFit(size()).toRect());
}

}  // namespace qel
