#include "Qel/Pages/Memory/BubbleGeometry.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Widgets/Elision.hpp"

namespace qel {

void bubbleHatch(double r, double inset, std::vector<QLineF>& out) {
  out.clear();
  const double inner = r - inset;
  if (!std::isfinite(r) || !(inner > 0)) return;
  // The line from (d, r) to (d + 2r, −r) is x + y = d + r: at distance |k|/√2 from the centre,
  // its chord has half length √(inner² − k²/2) around (k/2, k/2).
  for (double d = -2 * r; d < 2 * r; d += 6) {
    const double k = d + r, half2 = inner * inner - k * k / 2;
    if (!(half2 > 0)) continue;
    const double h = std::sqrt(half2 / 2);  // the half length along each axis
    out.emplace_back(QPointF(k / 2 - h, k / 2 + h), QPointF(k / 2 + h, k / 2 - h));
  }
}

double bubbleLineRoom(double r, double y, double height) {
  if (!std::isfinite(r) || !std::isfinite(y) || !std::isfinite(height) || height < 0) return 0;
  const double far = std::abs(y) + height / 2;
  if (!(far < r)) return 0;
  return std::max(2 * std::sqrt(r * r - far * far) - 2 * kBubbleLabelInset, 0.0);
}

BubbleLabel bubbleLabel(double r, const QString& name) {
  BubbleLabel label;
  if (r > kBubbleTwoLines) {
    label.band = BubbleLabelBand::nameAndSize;
    label.name = cutToCharacters(name, 11, 10);
    label.nameY = -7;
    label.sizeY = 8;
  } else if (r > kBubbleInitial) {
    label.band = BubbleLabelBand::initial;
    label.name = firstCharacters(name, 1);
  }
  return label;
}

}  // namespace qel
