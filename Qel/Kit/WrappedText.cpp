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

QString brokenBetweenParts(const QFontMetricsF& metrics, const QString& text, const QString& separator, double width) {
  if (separator.isEmpty()) return text;
  // A broken line ends in the separator's mark, so it reads as going on.
  QString end = separator;
  while (!end.isEmpty() && end.back().isSpace()) end.chop(1);
  const QStringList parts = text.split(separator);
  QString out = parts.front(), line = parts.front();
  for (qsizetype i = 1; i < parts.size(); ++i) {
    // Room for the mark too, should the line break after this part.
    const bool last = i + 1 == parts.size();
    if (metrics.horizontalAdvance(line + separator + parts[i] + (last ? QString() : end)) <= width) {
      line += separator + parts[i];
      out += separator + parts[i];
    } else {
      line = parts[i];
      out += end + u'\n' + parts[i];
    }
  }
  return out;
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
