#pragma once
// The words in a ring chart's middle: lines stacked on its centre, each set at its size or, where
// the hole is too narrow for it at that height, smaller, so that none reaches the bars round it.
#include <QFont>
#include <QFontMetricsF>

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace qel {

struct HoleLine {
  double pixelSize = 0;
  QFont::Weight weight = QFont::Normal;
  double least = 1;                                    // the smallest share of its size it may take
  std::function<double(const QFontMetricsF&)> width;  // how wide the line is in a font
};

// The lines' fonts, stacked `spacing` apart on the centre of a round hole of `radius` (its edge
// less the gap the words keep to it). A line that can't fit at its least takes its least.
std::vector<QFont> fitInHole(const std::vector<HoleLine>& lines, double spacing, double radius);

// A chart's three middle lines and the fonts fitted to them, kept while the words and the chart's
// size stay as they are.
struct FittedWords {
  std::array<QString, 3> texts;
  double side = 0, inner = 0;
  std::vector<QFont> fonts;
  bool sameWords(const FittedWords& o) const { return texts == o.texts && side == o.side && inner == o.inner; }
};

// What a line whose figures change is fitted to: `widest` (the widest the figure is expected to
// grow to; digits are tabular) while `shown` is no longer, so its size doesn't jump as it changes.
inline QString steadyText(const QString& shown, const QString& widest) {
  return shown.size() > widest.size() ? shown : widest;
}

// Where each line of `fonts` begins, from the top of the stack, the stack's middle at 0.
std::vector<double> stackTops(const std::vector<QFont>& fonts, double spacing);

// How far from the middle the lines of `fonts`, `widths` wide and stacked `spacing` apart on it,
// reach at their farthest corner.
double stackReach(const std::vector<QFont>& fonts, const std::vector<double>& widths, double spacing);

}  // namespace qel
