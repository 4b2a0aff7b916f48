#pragma once
// The pale capsule on the process sheet that ends the process: as wide as the row allows, its
// words cut short rather than widening the sheet. On a light ground it takes a faint edge.
#include <QString>

#include "Qel/Kit/Widgets/PillButton.hpp"

namespace qel {

class ProcessEndButton : public PillButton {
 public:
  ProcessEndButton(const QString& text, QWidget* parent = nullptr);
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString full_;
};

}  // namespace qel
