#include "Qel/Kit/Widgets/FlowRow.hpp"

#include <QWidget>

#include <algorithm>

#include "Qel/Kit/Style/Layouts.hpp"

namespace qel {

FlowRow::FlowRow(int spacing, int lineSpacing, QWidget* parent)
    : QLayout(parent), spacing_(spacing), lineSpacing_(lineSpacing) {
  Layouts::flush(this);
}

FlowRow::~FlowRow() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowRow::addItem(QLayoutItem* item) { items_.append(item); }

void FlowRow::insertWidget(int index, QWidget* widget) {
  addChildWidget(widget);
  items_.insert(std::clamp<qsizetype>(index, 0, items_.size()), new QWidgetItem(widget));
  invalidate();
}

QLayoutItem* FlowRow::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index);
}

QSize FlowRow::sizeHint() const {
  int width = 0, height = 0, shown = 0;
  for (const QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize s = item->sizeHint();
    width += (shown++ ? spacing_ : 0) + s.width();
    height = std::max(height, s.height());
  }
  const QMargins m = contentsMargins();
  return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

QSize FlowRow::minimumSize() const {
  int width = 0;
  for (const QLayoutItem* item : items_)
    if (!item->isEmpty()) width = std::max(width, item->sizeHint().width());
  width += contentsMargins().left() + contentsMargins().right();
  return {width, heightForWidth(width)};
}

void FlowRow::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  arrange(rect.marginsRemoved(contentsMargins()), true);
}

int FlowRow::heightForWidth(int width) const {
  const QMargins m = contentsMargins();
  return arrange(QRect(0, 0, width - m.left() - m.right(), 0), false) + m.top() + m.bottom();
}

int FlowRow::arrange(const QRect& rect, bool apply) const {
  std::vector<QLayoutItem*> shown;
  for (QLayoutItem* item : items_)
    if (!item->isEmpty()) shown.push_back(item);
  const auto sizeOf = [&](const QLayoutItem* item) {
    const QSize hint = item->sizeHint();
    if (hint.width() <= rect.width()) return hint;
    return QSize(rect.width(), item->hasHeightForWidth() ? item->heightForWidth(rect.width()) : hint.height());
  };
  int top = rect.y();
  std::size_t first = 0;
  while (first < shown.size()) {
    // A line: items while they fit, its first one whatever its width.
    std::size_t end = first;
    int x = 0, height = 0;
    for (; end < shown.size(); ++end) {
      const int left = end > first ? x + spacing_ : 0;
      if (end > first && left + sizeOf(shown[end]).width() > rect.width()) break;
      x = left + sizeOf(shown[end]).width();
      height = std::max(height, sizeOf(shown[end]).height());
    }
    if (apply) {
      int left = rect.x();
      for (std::size_t i = first; i < end; ++i) {
        const QSize s = sizeOf(shown[i]);
        const bool right = lastRight_ && i + 1 == shown.size();
        const int at = right ? std::max(left, rect.right() + 1 - s.width()) : left;
        shown[i]->setGeometry(QRect(at, top + height - s.height(), s.width(), s.height()));
        left += s.width() + spacing_;
      }
    }
    top += height + (end < shown.size() ? lineSpacing_ : 0);
    first = end;
  }
  return top - rect.y();
}

}  // namespace qel
