#pragma once
// The tray panel's rule between its sections: a pixel of the ground's wash, a little stronger on
// the light look than the separator grey elsewhere, so it still reads over the panel's glow.
#include <QWidget>

namespace qel {

class PanelHairline : public QWidget {
  Q_OBJECT

 public:
  explicit PanelHairline(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
