#pragma once
// A plain container on a rounded fill, such as a faint wash that follows the appearance.
#include <QWidget>

#include <optional>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class WashBox : public QWidget {
  Q_OBJECT

 public:
  WashBox(AdaptiveColor fill, double radius, QWidget* parent = nullptr);

 public:
  // A bar of `color` 3 wide down the leading edge, rounded off by the box's corners.
  void setAccentBar(AdaptiveColor color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AdaptiveColor fill_;
  std::optional<AdaptiveColor> bar_;
  double radius_;
};

}  // namespace qel
