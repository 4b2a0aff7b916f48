#pragma once
// A plain container on a rounded fill, such as a faint wash that follows the appearance.
#include <QWidget>

#include "Qel/Window/AdaptiveColor.hpp"

namespace qel {

class WashBox : public QWidget {
  Q_OBJECT

 public:
  WashBox(AdaptiveColor fill, double radius, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AdaptiveColor fill_;
  double radius_;
};

}  // namespace qel
