#pragma once
#include <QVBoxLayout>
#include <QWidget>

namespace qel {

// A card: a column of rows on a faint rounded wash.
class SettingGroup : public QWidget {
  Q_OBJECT

 public:
  explicit SettingGroup(QWidget* parent = nullptr);
  QVBoxLayout* column() const { return column_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVBoxLayout* column_;
};

}  // namespace qel
