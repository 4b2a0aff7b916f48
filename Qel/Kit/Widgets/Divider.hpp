#pragma once
// A hairline between the rows of a panel, in the separator grey of the appearance.
#include <QWidget>

namespace qel {

class Divider : public QWidget {
  Q_OBJECT

 public:
  explicit Divider(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
