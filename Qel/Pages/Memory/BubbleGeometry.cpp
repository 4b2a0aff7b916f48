#include "Qel/Pages/Memory/BubbleGeometry.hpp"

#include <algorithm>
#include <cmath>

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

BubbleLabelPlan planBubbleLabel(double r, BubbleLine name, BubbleLine size) {
  BubbleLabelPlan plan;
  constexpr double nameY = -7, sizeY = 8;
  const bool sizeFits = size.width > 0 && bubbleLineRoom(r, 0, size.height) >= size.width;
  if (!(name.width > 0)) {
    plan.size = sizeFits;  // a bubble without a name still says what it holds
    return plan;
  }
  if (r > kBubbleTwoLines && bubbleLineRoom(r, nameY, name.height) >= name.width && size.width > 0 &&
      bubbleLineRoom(r, sizeY, size.height) >= size.width) {
    plan.name = plan.size = true;
    plan.nameY = nameY;
    plan.sizeY = sizeY;
  } else if (bubbleLineRoom(r, 0, name.height) >= name.width) {
    plan.name = true;
  } else {
    plan.size = sizeFits;  // the figure rather than a cut name
  }
  return plan;
}

}  // namespace qel
