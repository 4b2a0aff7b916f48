#include "Qel/Kit/Widgets/BaselineRow.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

BaselineLayout layoutBaselineRow(std::span<const RunExtent> runs, double spacing, double width, double lineGap) {
  BaselineLayout out;
  double top = 0, widest = 0;
  std::size_t first = 0;  // the current line's first run
  while (first < runs.size()) {
    // The line: runs while they fit (its first one whatever its width).
    std::size_t end = first;
    double x = 0, ascent = 0, descent = 0;
    for (; end < runs.size(); ++end) {
      const double left = end > first ? x + spacing : 0;
      if (end > first && left + std::max(0.0, runs[end].width) > width) break;
      out.x.push_back(left);
      x = left + std::max(0.0, runs[end].width);
      ascent = std::max(ascent, runs[end].ascent);
      descent = std::max(descent, runs[end].descent);
    }
    if (first > 0) top += lineGap;
    if (first == 0) out.baseline = ascent;
    out.y.insert(out.y.end(), end - first, top + ascent);
    top += ascent + descent;
    widest = std::max(widest, x);
    first = end;
  }
  out.size = QSizeF(widest, top);
  return out;
}

BaselineRow::BaselineRow(double spacing, QWidget* parent) : QWidget(parent), spacing_(spacing) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void BaselineRow::setRuns(std::vector<TextRun> runs) {
  runs_ = std::move(runs);
  QString name;
  for (const auto& r : runs_) name += (name.isEmpty() ? QString() : QStringLiteral(" ")) + r.text;
  setAccessibleName(name);
  updateGeometry();
  update();
}

void BaselineRow::setWraps(bool wraps) {
  wraps_ = wraps;
  QSizePolicy policy = sizePolicy();
  policy.setHeightForWidth(wraps);
  setSizePolicy(policy);
  updateGeometry();
}

BaselineLayout BaselineRow::layout(double width) const {
  std::vector<RunExtent> extents;
  for (const auto& r : runs_) {
    QFontMetricsF fm(r.font);
    // Room for the glyphs as drawn: an accented capital or a taller script may stand above the
    // font's ascent.
    const QRectF ink = r.text.isEmpty() ? QRectF() : fm.tightBoundingRect(r.text);
    extents.push_back({r.text.isEmpty() ? 0.0 : fm.horizontalAdvance(r.text), std::max(fm.ascent(), -ink.top()),
                       std::max(fm.descent(), ink.bottom())});
  }
  return layoutBaselineRow(extents, spacing_, wraps_ ? width : std::numeric_limits<double>::infinity());
}

QSize BaselineRow::sizeHint() const {
  const auto size = layout(std::numeric_limits<double>::infinity()).size;
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

QSize BaselineRow::minimumSizeHint() const {
  if (!wraps_) return sizeHint();
  // As narrow as its widest run, each on a line of its own.
  const auto size = layout(0).size;
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

int BaselineRow::heightForWidth(int width) const { return int(std::ceil(layout(width).size.height())); }

void BaselineRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  const auto l = layout(width());
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    p.setFont(runs_[i].font);
    p.setPen(runs_[i].color.resolve());
    p.drawText(QPointF(l.x[i], l.y[i]), runs_[i].text);
  }
}

}  // namespace qel
