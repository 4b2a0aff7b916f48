#pragma once
// Small layout helpers: the flush column and row the views stack their parts in.
#include <QBoxLayout>

namespace qel::Layouts {

// A layout or widget with no margins of its own, for one nested in a card or a holder that
// already has them.
template <class T>
T* flush(T* item) {
  item->setContentsMargins(0, 0, 0, 0);
  return item;
}

// A vertical stack flush with `holder`'s edges (or to be added to another layout when it has
// none), `spacing` between its items.
inline QVBoxLayout* column(QWidget* holder = nullptr, int spacing = 0) {
  auto* layout = flush(new QVBoxLayout(holder));
  layout->setSpacing(spacing);
  return layout;
}

// The same, side by side.
inline QHBoxLayout* row(QWidget* holder = nullptr, int spacing = 0) {
  auto* layout = flush(new QHBoxLayout(holder));
  layout->setSpacing(spacing);
  return layout;
}

}  // namespace qel::Layouts
