#include "Qel/MenuBar/PanelBodyScroll.hpp"

#include "Qel/MenuBar/PanelCard.hpp"

namespace qel {

PanelBodyScroll::PanelBodyScroll(QWidget* content) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWidgetResizable(true);
  viewport()->setAutoFillBackground(false);
  setAutoFillBackground(false);
  setWidget(content);
  content->setAutoFillBackground(false);  // after setWidget, which turns it on
}

QSize PanelBodyScroll::sizeHint() const {
  const int width = kPanelContentWidth;
  const int forWidth = widget()->heightForWidth(width);
  return {width, forWidth > 0 ? forWidth : widget()->sizeHint().height()};
}

QSize PanelBodyScroll::minimumSizeHint() const { return {widget()->minimumSizeHint().width(), 0}; }

}  // namespace qel
