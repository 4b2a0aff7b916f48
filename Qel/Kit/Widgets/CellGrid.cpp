#include "Qel/Kit/Widgets/CellGrid.hpp"

#include <algorithm>

#include "Qel/Kit/Style/Layouts.hpp"

namespace qel {

namespace {
constexpr int kPreferredColumns = 6;
}

CellGrid::CellGrid(int leastCellWidth, int spacing, QWidget* parent)
    : QLayout(parent), least_(std::max(leastCellWidth, 1)), spacing_(spacing) {
  Layouts::flush(this);
}

CellGrid::~CellGrid() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void CellGrid::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* CellGrid::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index);
}

int CellGrid::columnsAt(int width) const { return std::max(1, (width + spacing_) / (least_ + spacing_)); }

QSize CellGrid::sizeHint() const {
  const QMargins m = contentsMargins();
  const int width = kPreferredColumns * least_ + (kPreferredColumns - 1) * spacing_;
  return {width + m.left() + m.right(), heightForWidth(width + m.left() + m.right())};
}

QSize CellGrid::minimumSize() const {
  const QMargins m = contentsMargins();
  return {least_ + m.left() + m.right(), heightForWidth(least_ + m.left() + m.right())};
}

void CellGrid::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  arrange(rect.marginsRemoved(contentsMargins()), true);
}

int CellGrid::heightForWidth(int width) const {
  const QMargins m = contentsMargins();
  return arrange(QRect(0, 0, width - m.left() - m.right(), 0), false) + m.top() + m.bottom();
}

int CellGrid::arrange(const QRect& rect, bool apply) const {
  std::vector<QLayoutItem*> shown;
  for (QLayoutItem* item : items_)
    if (!item->isEmpty()) shown.push_back(item);
  const int columns = columnsAt(rect.width());
  const int room = std::max(rect.width() - (columns - 1) * spacing_, columns);
  // Column c runs from the c-th share of the room to the next, so the widths differ by a pixel at most.
  const auto edge = [&](int c) { return rect.x() + c * spacing_ + room * c / columns; };
  int top = rect.y();
  for (std::size_t first = 0; first < shown.size(); first += std::size_t(columns)) {
    const std::size_t end = std::min(shown.size(), first + std::size_t(columns));
    int height = 0;
    for (std::size_t i = first; i < end; ++i) {
      const int c = int(i - first);
      const int w = edge(c + 1) - spacing_ - edge(c);
      height = std::max(height, shown[i]->hasHeightForWidth() ? shown[i]->heightForWidth(w) : shown[i]->sizeHint().height());
    }
    if (apply)
      for (std::size_t i = first; i < end; ++i) {
        const int c = int(i - first);
        shown[i]->setGeometry(QRect(edge(c), top, edge(c + 1) - spacing_ - edge(c), height));
      }
    top += height + (end < shown.size() ? spacing_ : 0);
  }
  return top - rect.y();
}

}  // namespace qel
