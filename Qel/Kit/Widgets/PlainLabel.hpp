#pragma once
// A label that shows its text as plain text (never markup, so names from outside are safe) in
// the bundled font and a palette colour that follows the appearance.
#include <QLabel>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class PlainLabel : public QLabel {
  Q_OBJECT

 public:
  PlainLabel(const QString& text, double pixelSize, QFont::Weight weight, AdaptiveColor color,
             QWidget* parent = nullptr);

  void setColor(AdaptiveColor color);
  const AdaptiveColor& color() const { return color_; }
  // One line that ends in "…" where it is cut, with the whole text as its tool tip; it may then
  // be made narrower than its text.
  void setElided(bool elided);
  // The text as shown: cut short when elided and too long.
  QString shownText() const;

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void applyColor();

  AdaptiveColor color_;
  bool elided_ = false;
};

}  // namespace qel
