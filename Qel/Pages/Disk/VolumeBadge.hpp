#pragma once
// The small outlined word naming a volume's kind ("System", "Internal", "External").
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

class VolumeBadge : public PlainLabel {
 public:
  explicit VolumeBadge(const QString& text, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
