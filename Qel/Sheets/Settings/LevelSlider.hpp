#pragma once
// A horizontal slider in the program's own look, the same on every desktop: a thin faint track
// filled in the accent up to a white knob, and the focus ring around the knob while the keyboard
// is on it. It moves and takes clicks as the toolkit's slider does.
#include <QSlider>

namespace qel {

class LevelSlider : public QSlider {
  Q_OBJECT

 public:
  explicit LevelSlider(QWidget* parent = nullptr);

  // The knob's place, as the toolkit's slider works it out (so a drag and the picture agree).
  QRect knob() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
