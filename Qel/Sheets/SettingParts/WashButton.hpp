#pragma once
#include <QAbstractButton>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

// A short text on a capsule wash: "Show in File Manager", "Erase…", the menu-bar chips.
class WashButton : public QAbstractButton {
  Q_OBJECT

 public:
  WashButton(const QString& text, double pixelSize, QWidget* parent = nullptr);
  // Text and capsule colours.
  void setColors(AdaptiveColor text, AdaptiveColor fill);
  void setBold(bool on);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AdaptiveColor text_;
  AdaptiveColor fill_;
  double pixelSize_;
  bool bold_ = false;
};

}  // namespace qel
