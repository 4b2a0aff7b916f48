#pragma once
// A 1-pixel rule in the frame's divider colour, across or down: the settings sheet's lines
// between its sidebar, its body and its footer.
#include <QWidget>

namespace qel {

class SheetRule : public QWidget {
  Q_OBJECT

 public:
  SheetRule(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
