#pragma once
// The dot before the address card's title, in the colour of the network's state.
#include <QColor>
#include <QWidget>

namespace qel {

class StatusDot : public QWidget {
 public:
  explicit StatusDot(QWidget* parent = nullptr);

  void setColor(QColor color);
  QColor color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
};

}  // namespace qel
