#include "Qel/Window/BaselineRow.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Window/Palette.hpp"

namespace qel {

BaselineLayout layoutBaselineRow(std::span<const RunExtent> runs, double spacing) {
  BaselineLayout out;
  double ascent = 0, descent = 0, x = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (i > 0) x += spacing;
    out.x.push_back(x);
    x += std::max(0.0, runs[i].width);
    ascent = std::max(ascent, runs[i].ascent);
    descent = std::max(descent, runs[i].descent);
  }
  out.baseline = ascent;
  out.size = QSizeF(x, ascent + descent);
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

BaselineLayout BaselineRow::layout() const {
  std::vector<RunExtent> extents;
  for (const auto& r : runs_) {
    QFontMetricsF fm(r.font);
    extents.push_back({r.text.isEmpty() ? 0.0 : fm.horizontalAdvance(r.text), fm.ascent(), fm.descent()});
  }
  return layoutBaselineRow(extents, spacing_);
}

QSize BaselineRow::sizeHint() const {
  const auto size = layout().size;
  return {int(std::ceil(size.width())), int(std::ceil(size.height()))};
}

void BaselineRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  const auto l = layout();
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    p.setFont(runs_[i].font);
    p.setPen(runs_[i].color.resolve());
    p.drawText(QPointF(l.x[i], l.baseline), runs_[i].text);
  }
}

}  // namespace qel
