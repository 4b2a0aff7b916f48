#include "Qel/Kit/WrappedText.hpp"

#include <QRegularExpression>

#include "Qel/Kit/Style/Fonts.hpp"

namespace qel {

bool wordsFit(const QFontMetricsF& metrics, const QString& text, double width) {
  static const QRegularExpression space(QStringLiteral("\\s+"));
  for (const QString& word : text.split(space, Qt::SkipEmptyParts))
    if (metrics.horizontalAdvance(word) > width) return false;
  return true;
}

int wrapFlags(const QFontMetricsF& metrics, const QString& text, double width) {
  return wordsFit(metrics, text, width) ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
}

double wrappedHeight(const QFontMetricsF& metrics, const QString& text, double width) {
  if (text.isEmpty()) return 0;
  return metrics.boundingRect(QRectF(0, 0, width, 1e6), wrapFlags(metrics, text, width), text).height();
}

QFont shrunkToFit(double pixelSize, QFont::Weight weight, double least,
                  const std::function<bool(const QFontMetricsF&)>& fits) {
  QFont font = Fonts::text(pixelSize, weight);
  for (double size = pixelSize; size >= pixelSize * least; size -= 0.5) {
    font = Fonts::text(size, weight);
    if (fits(QFontMetricsF(font))) break;
  }
  return font;
}

}  // namespace qel
