#pragma once
// The program's mark at the tab bar's leading end. Its deep-blue tile sinks into a dark bar, so in
// dark mode a light rim traces the tile's edge.
#include <QWidget>

namespace qel {

class TabBarLogo : public QWidget {
  Q_OBJECT

 public:
  explicit TabBarLogo(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
