#pragma once
// A label that shows its text as plain text (never markup, so names from outside are safe) in
// the bundled font and a palette colour that follows the appearance.
#include <QLabel>

#include "Qel/Window/AdaptiveColor.hpp"

namespace qel {

class PlainLabel : public QLabel {
  Q_OBJECT

 public:
  PlainLabel(const QString& text, double pixelSize, QFont::Weight weight, AdaptiveColor color,
             QWidget* parent = nullptr);

  void setColor(AdaptiveColor color);
  const AdaptiveColor& color() const { return color_; }

 private:
  void applyColor();

  AdaptiveColor color_;
};

}  // namespace qel
