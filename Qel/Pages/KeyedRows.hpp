#pragma once
// The rows of a list that acts on what its rows show (opens, ends). Each row widget is tied to
// the identity of its item: as the list changes order a row moves with its item, a new item
// gets a new row and a row whose item left goes. So the keyboard focus, the hover and a press
// stay with what the row showed. A row that goes while it holds the focus hands it to `home`
// (a widget that acts on nothing), never to whichever row comes next.
#include <QApplication>
#include <QBoxLayout>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace qel {

// Gives the focus to `home` when it is within `leaving`.
inline void moveFocusOut(QWidget* leaving, QWidget* home) {
  QWidget* focused = QApplication::focusWidget();
  if (!focused || (focused != leaving && !leaving->isAncestorOf(focused))) return;
  if (home && home->isVisible())
    home->setFocus(Qt::OtherFocusReason);
  else
    focused->clearFocus();
}

template <class Row, class Item, class Key>
class KeyedRows {
 public:
  struct Hooks {
    std::function<Key(const Item&)> key;
    std::function<Row*(const Item&)> make;
    std::function<void(Row&, const Item&)> update;  // a kept row takes its item's new figures
  };

  // The rows stand in `layout` from position `first` on, with `alignment`.
  KeyedRows(QBoxLayout* layout, int first, QWidget* home, Hooks hooks, Qt::Alignment alignment = {})
      : layout_(layout), first_(first), home_(home), hooks_(std::move(hooks)), alignment_(alignment) {}

  // Shows `items` in their order; an item whose key came earlier in `items` is left out.
  void show(const std::vector<Item>& items) {
    std::vector<std::pair<Key, Row*>> next;
    next.reserve(items.size());
    for (const auto& item : items) {
      Key key = hooks_.key(item);
      const auto seen = [&](const auto& r) { return r.first == key; };
      if (std::any_of(next.begin(), next.end(), seen)) continue;
      const auto kept = std::find_if(rows_.begin(), rows_.end(), seen);
      Row* row = nullptr;
      if (kept != rows_.end()) {
        row = kept->second;
        kept->second = nullptr;
        hooks_.update(*row, item);
      } else {
        row = hooks_.make(item);
      }
      next.emplace_back(std::move(key), row);
    }
    for (auto& [key, row] : rows_) {
      if (!row) continue;
      moveFocusOut(row, home_);
      delete row;
    }
    rows_ = std::move(next);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      Row* row = rows_[i].second;
      const int at = first_ + int(i);
      if (layout_->indexOf(row) == at) continue;
      layout_->removeWidget(row);
      layout_->insertWidget(at, row, 0, alignment_);
    }
    shown_.clear();
    for (const auto& r : rows_) shown_.push_back(r.second);
  }

  const std::vector<Row*>& rows() const { return shown_; }

 private:
  QBoxLayout* layout_;
  int first_;
  QWidget* home_;
  Hooks hooks_;
  Qt::Alignment alignment_;
  std::vector<std::pair<Key, Row*>> rows_;
  std::vector<Row*> shown_;
};

}  // namespace qel
