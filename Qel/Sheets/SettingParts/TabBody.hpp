#pragma once
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace qel {

// A tab's body: its controls register how to re-read the store, run on every store change.
class TabBody : public QWidget {
  Q_OBJECT

 public:
  explicit TabBody(QWidget* parent = nullptr);

  void onSync(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }
  // Runs every registered re-read.
  void sync();
  QVBoxLayout* column() const { return column_; }

 private:
  std::vector<std::function<void()>> syncs_;
  QVBoxLayout* column_;
};

}  // namespace qel
