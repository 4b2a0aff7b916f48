#pragma once
// A small centred caption under a chart; it wraps onto as many lines as it needs.
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

class Legend : public PlainLabel {
  Q_OBJECT

 public:
  explicit Legend(const QString& text, QWidget* parent = nullptr);
};

}  // namespace qel
