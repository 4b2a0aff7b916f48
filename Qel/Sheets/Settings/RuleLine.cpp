#include "Qel/Sheets/Settings/RuleLine.hpp"

#include <QWidget>

#include <algorithm>

namespace qel {

RuleLine::RuleLine(QWidget* texts, QWidget* controls, QWidget* toggle, int spacing, int lineSpacing, int leastWords,
                   QWidget* parent)
    : QLayout(parent), spacing_(spacing), lineSpacing_(lineSpacing), leastWords_(leastWords) {
  for (QWidget* w : {texts, controls, toggle})
    if (w) addWidget(w);
}

RuleLine::~RuleLine() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void RuleLine::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* RuleLine::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index);
}

int RuleLine::trailing() const {
  int width = spacing_ + toggle()->sizeHint().width();
  if (const QLayoutItem* c = controls(); c && !c->isEmpty()) width += c->sizeHint().width() + spacing_;
  return width;
}

bool RuleLine::stackedAt(int width) const {
  const QMargins m = contentsMargins();
  const QLayoutItem* c = controls();
  if (!c || c->isEmpty()) return false;  // the switch alone always leaves the words their room
  return width - m.left() - m.right() < std::max(texts()->minimumSize().width(), leastWords_) + trailing();
}

QSize RuleLine::sizeHint() const {
  const QMargins m = contentsMargins();
  const int width = texts()->sizeHint().width() + trailing() + m.left() + m.right();
  return {width, heightForWidth(width)};
}

QSize RuleLine::minimumSize() const {
  const QMargins m = contentsMargins();
  int words = texts()->minimumSize().width();
  if (const QLayoutItem* c = controls(); c && !c->isEmpty()) words = std::max(words, c->sizeHint().width());
  const int width = words + spacing_ + toggle()->sizeHint().width() + m.left() + m.right();
  return {width, heightForWidth(width)};
}

void RuleLine::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  arrange(rect, true);
}

int RuleLine::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

int RuleLine::arrange(const QRect& rect, bool apply) const {
  const QMargins m = contentsMargins();
  const QRect inner = rect.marginsRemoved(m);
  QLayoutItem* words = texts();
  QLayoutItem* c = controls() && !controls()->isEmpty() ? controls() : nullptr;
  const QSize toggleSize = toggle()->sizeHint();
  const QSize controlsSize = c ? c->sizeHint() : QSize();
  const auto heightOf = [](const QLayoutItem* item, int width) {
    return item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
  };
  const int toggleLeft = inner.right() + 1 - toggleSize.width();
  if (!stackedAt(rect.width())) {
    const int wordsWidth = std::max(inner.width() - trailing(), 0);
    const int wordsHeight = heightOf(words, wordsWidth);
    const int height = std::max({wordsHeight, controlsSize.height(), toggleSize.height()});
    if (apply) {
      const auto centred = [&](int h) { return inner.y() + (height - h) / 2; };
      words->setGeometry(QRect(inner.x(), centred(wordsHeight), wordsWidth, wordsHeight));
      if (c)
        c->setGeometry(QRect(QPoint(toggleLeft - spacing_ - controlsSize.width(), centred(controlsSize.height())),
                             controlsSize));
      toggle()->setGeometry(QRect(QPoint(toggleLeft, centred(toggleSize.height())), toggleSize));
    }
    return height + m.top() + m.bottom();
  }
  // The words over the controls, the two as one block beside the switch.
  const int blockWidth = std::max(inner.width() - spacing_ - toggleSize.width(), 0);
  const int wordsHeight = heightOf(words, blockWidth);
  const int blockHeight = wordsHeight + (c ? lineSpacing_ + controlsSize.height() : 0);
  const int height = std::max(blockHeight, toggleSize.height());
  if (apply) {
    const int top = inner.y() + (height - blockHeight) / 2;
    words->setGeometry(QRect(inner.x(), top, blockWidth, wordsHeight));
    if (c)
      c->setGeometry(QRect(QPoint(inner.x() + blockWidth - controlsSize.width(), top + wordsHeight + lineSpacing_),
                           controlsSize));
    toggle()->setGeometry(QRect(QPoint(toggleLeft, inner.y() + (height - toggleSize.height()) / 2), toggleSize));
  }
  return height + m.top() + m.bottom();
}

}  // namespace qel
