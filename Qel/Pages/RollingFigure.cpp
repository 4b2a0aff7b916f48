#include "Qel/Pages/RollingFigure.hpp"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

RollingFigure::RollingFigure(QFont font, AdaptiveColor color, const QString& widest, QWidget* parent)
    : QWidget(parent),
      font_(std::move(font)),
      color_(std::move(color)),
      widest_(widest),
      roll_(this, 350, [this] { update(); }) {
  roll_.jumpTo(1);
  roll_.setPixelsPerUnit(travel());
  Palette::followAppearance(this);
}

void RollingFigure::setText(const QString& text) {
  if (text == text_) return;
  const QSize before = sizeHint();
  previous_ = text_;
  text_ = text;
  // A text wider than the widest expected asks for the room it needs (and gives it back).
  if (sizeHint() != before) updateGeometry();
  roll_.jumpTo(0);
  roll_.setTarget(1);
  update();
}

void RollingFigure::setUnit(const QString& unit, QFont font, AdaptiveColor color) {
  unit_ = unit;
  unitFont_ = std::move(font);
  unitColor_ = std::move(color);
  updateGeometry();
  update();
}

void RollingFigure::setColor(AdaptiveColor color) {
  color_ = std::move(color);
  update();
}

namespace {

// A figure is drawn a character at a time, so it takes the sum of their widths (no kerning).
double drawnWidth(const QFontMetricsF& m, const QString& text) {
  double width = 0;
  for (const QChar c : text) width += m.horizontalAdvance(c);
  return width;
}

}  // namespace

double RollingFigure::travel() const { return QFontMetricsF(font_).height() * 0.6; }

double RollingFigure::baseline() const {
  const double unitAscent = unit_.isEmpty() ? 0 : QFontMetricsF(unitFont_).ascent();
  return std::max(QFontMetricsF(font_).ascent(), unitAscent);
}

QSize RollingFigure::sizeHint() const {
  const QFontMetricsF m(font_);
  double width = std::max(drawnWidth(m, widest_), drawnWidth(m, text_));
  double descent = m.descent();
  if (!unit_.isEmpty()) {
    const QFontMetricsF u(unitFont_);
    width += 4 + u.horizontalAdvance(unit_);
    descent = std::max(descent, u.descent());
  }
  return {int(std::ceil(width)), int(std::ceil(baseline() + descent))};
}

const QImage& RollingFigure::glyph(QChar c) {
  QImage& image = glyphs_[c.unicode()];
  if (!image.isNull()) return image;
  const QFontMetricsF m(font_);
  image = clearImage(QSizeF(m.horizontalAdvance(c) + 2 * pad_, m.height() + 2 * pad_).toSize() + QSize(1, 1),
                     glyphRatio_);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font_);
  p.setPen(QColor::fromRgba(glyphColour_));
  p.drawText(QPointF(pad_, pad_ + m.ascent()), QString(c));
  return image;
}

void RollingFigure::drawRun(QPainter& p, const QString& text, QPointF at, double opacity) {
  if (!keepsGlyphs_) {
    QColor colour = QColor::fromRgba(glyphColour_);
    colour.setAlphaF(float(colour.alphaF() * opacity));
    p.setPen(colour);
    p.drawText(at, text);
    return;
  }
  const QFontMetricsF m(font_);
  p.setOpacity(opacity);
  for (const QChar c : text) {
    p.drawImage(QPointF(at.x() - pad_, at.y() - m.ascent() - pad_), glyph(c));
    at.rx() += m.horizontalAdvance(c);
  }
  p.setOpacity(1);
}

void RollingFigure::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setClipRect(rect());
  const QFontMetricsF m(font_);
  const double base = baseline();
  const double t = roll_.value();
  const double travel = this->travel();
  const QColor color = color_.resolve();
  const double ratio = devicePixelRatioF();
  if (color.rgba() != glyphColour_ || ratio != glyphRatio_) {
    glyphs_.clear();
    glyphColour_ = color.rgba();
    glyphRatio_ = ratio;
    keepsGlyphs_ = QFontInfo(font_).pixelSize() * ratio > 64;
    pad_ = std::ceil(m.height() * 0.25);
  }
  p.setFont(font_);

  // Pairs characters from the right, so a units digit rolls under a units digit.
  const bool sameLength = previous_.size() == text_.size();
  double x = 0;
  for (qsizetype i = 0; i < text_.size(); ++i) {
    const QString now(text_[i]);
    const double w = m.horizontalAdvance(now);
    const bool changed = t < 1 && (!sameLength || previous_[i] != text_[i]);
    if (!changed) {
      drawRun(p, now, {x, base}, 1);
    } else {
      drawRun(p, now, {x, base + travel * (1 - t)}, t);
      if (sameLength) drawRun(p, QString(previous_[i]), {x, base - travel * t}, 1 - t);
    }
    x += w;
  }
  if (!sameLength && t < 1 && !previous_.isEmpty()) drawRun(p, previous_, {0, base - travel * t}, 1 - t);
  if (!unit_.isEmpty()) {
    p.setFont(unitFont_);
    p.setPen(unitColor_.resolve());
    p.drawText(QPointF(drawnWidth(m, text_) + 4, base), unit_);
  }
}

void RollingFigure::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateGeometry();
}

}  // namespace qel
