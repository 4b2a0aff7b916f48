#include "Qel/MenuBar/PanelBodyScroll.hpp"

#include "Qel/MenuBar/PanelCard.hpp"

namespace qel {

PanelBodyScroll::PanelBodyScroll(QWidget* content) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The program's slim bar lies over the sections' edge: where the card is too short, it shows
  // they scroll without narrowing them.
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
