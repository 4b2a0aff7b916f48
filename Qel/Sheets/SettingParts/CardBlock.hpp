#pragma once
// A block of a settings card: its own padded column, with a hairline under it unless it is the
// card's last.
#include <QWidget>

class QVBoxLayout;

namespace qel {

class CardBlock : public QWidget {
  Q_OBJECT

 public:
  explicit CardBlock(QWidget* parent = nullptr);
  QVBoxLayout* column() const { return column_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVBoxLayout* column_;
};

}  // namespace qel
