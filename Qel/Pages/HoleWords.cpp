#include "Qel/Pages/HoleWords.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/WrappedText.hpp"

namespace qel {

std::vector<double> stackTops(const std::vector<QFont>& fonts, double spacing) {
  double height = 0;
  for (const QFont& f : fonts) height += QFontMetricsF(f).height();
  height += spacing * double(std::max<std::size_t>(fonts.size(), 1) - 1);
  std::vector<double> tops;
  double y = -height / 2;
  for (const QFont& f : fonts) {
    tops.push_back(y);
    y += QFontMetricsF(f).height() + spacing;
  }
  return tops;
}

double stackReach(const std::vector<QFont>& fonts, const std::vector<double>& widths, double spacing) {
  const std::vector<double> tops = stackTops(fonts, spacing);
  double most = 0;
  for (std::size_t i = 0; i < fonts.size() && i < widths.size(); ++i) {
    const double farthest = std::max(std::abs(tops[i]), std::abs(tops[i] + QFontMetricsF(fonts[i]).height()));
    most = std::max(most, std::hypot(widths[i] / 2, farthest));
  }
  return most;
}

std::vector<QFont> fitInHole(const std::vector<HoleLine>& lines, double spacing, double radius) {
  std::vector<QFont> fonts;
  for (const auto& line : lines) fonts.push_back(Fonts::text(line.pixelSize, line.weight));
  // A line set smaller shortens the stack and so moves the others: they are fitted again where
  // they then stand, until none moves.
  for (int pass = 0; pass < 4; ++pass) {
    const std::vector<double> tops = stackTops(fonts, spacing);
    bool changed = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto fits = [&](const QFontMetricsF& fm) {
        const double farthest = std::max(std::abs(tops[i]), std::abs(tops[i] + fm.height()));
        if (farthest >= radius) return false;
        return lines[i].width(fm) <= 2 * std::sqrt(radius * radius - farthest * farthest);
      };
      const QFont font = shrunkToFit(lines[i].pixelSize, lines[i].weight, lines[i].least, fits);
      if (font.pixelSize() != fonts[i].pixelSize()) changed = true;
      fonts[i] = font;
    }
    if (!changed) break;
  }
  return fonts;
}

}  // namespace qel
