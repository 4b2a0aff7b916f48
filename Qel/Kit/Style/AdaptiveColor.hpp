#pragma once
// A colour that may differ between the light and the dark interface. Widgets keep it as it is
// and resolve it each time they paint, so it follows the appearance without being set again.
#include <QColor>

namespace qel {

class AdaptiveColor {
 public:
  AdaptiveColor() = default;
  // The same colour in both appearances.
  AdaptiveColor(const QColor& both) : light_(both), dark_(both) {}  // NOLINT: implicit on purpose
  AdaptiveColor(const QColor& light, const QColor& dark) : light_(light), dark_(dark) {}

  // The colour for the interface as it is drawn now.
  QColor resolve() const;
  QColor forLight() const { return light_; }
  QColor forDark() const { return dark_; }

  friend bool operator==(const AdaptiveColor&, const AdaptiveColor&) = default;

 private:
  QColor light_;
  QColor dark_;
};

}  // namespace qel
