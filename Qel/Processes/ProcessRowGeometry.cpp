#include "Qel/Processes/ProcessRowGeometry.hpp"

#include <algorithm>

namespace qel {

ProcessRowGeometry processRowGeometry(double width, double top) {
  constexpr double pad = 10, select = 30, cpu = 130, mem = 90, pid = 70, details = 36;
  const double h = ProcessRowGeometry::kHeight;
  ProcessRowGeometry g;
  double x = pad;
  const double nameWidth = std::max(0.0, width - 2 * pad - select - cpu - mem - pid - details);
  g.select = {x, top, select, h};
  x += select;
  g.name = {x, top, nameWidth, h};
  x += nameWidth;
  g.cpu = {x, top, cpu, h};
  x += cpu;
  g.mem = {x, top, mem, h};
  x += mem;
  g.pid = {x, top, pid, h};
  x += pid;
  g.details = {x, top, details, h};
  return g;
}

RowPart rowPartAt(const ProcessRowGeometry& row, double x) {
  auto within = [x](const QRectF& r) { return x >= r.left() && x < r.right(); };
  if (within(row.select)) return RowPart::select;
  if (within(row.name)) return RowPart::name;
  if (within(row.details)) return RowPart::details;
  return RowPart::none;
}

int scrollClearingBand(std::span<const int> rowTops, int viewport, int covered, int scroll, int maxScroll) {
  const int height = int(ProcessRowGeometry::kHeight);
  covered = std::max(0, covered);
  const int bandTop = scroll + viewport - covered;
  int wanted = scroll;
  for (const int top : rowTops)
    if (top < scroll + viewport && top + height > bandTop) wanted = std::max(wanted, top + height - (viewport - covered));
  return std::clamp(wanted, std::min(scroll, std::max(0, maxScroll)), std::max(0, maxScroll));
}

}  // namespace qel
