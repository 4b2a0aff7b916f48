#pragma once
// A figure whose digits roll when it changes: each character that differs slides up out of
// view while its successor comes up from below (the whole text when its length changed), with
// an optional unit after it on the same baseline. It is as wide as its widest expected text,
// so its neighbours never move as the figure changes.
#include <QFont>
#include <QImage>
#include <QWidget>

#include <map>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Pages/AnimatedValue.hpp"

namespace qel {

class RollingFigure : public QWidget {
  Q_OBJECT

 public:
  RollingFigure(QFont font, AdaptiveColor color, const QString& widest, QWidget* parent = nullptr);

  // Rolls to `text` when it differs from the one shown.
  void setText(const QString& text);
  void setUnit(const QString& unit, QFont font, AdaptiveColor color);
  void setColor(AdaptiveColor color);
  const QString& text() const { return text_; }
  bool rolling() const { return roll_.running(); }

  // The top of the widget to the text's baseline.
  double baseline() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // How far a rolling character moves, top to bottom of its way.
  double travel() const;
  // Draws `text` with its pen position at `at`, at `opacity` of the figure's colour.
  void drawRun(QPainter& p, const QString& text, QPointF at, double opacity);
  // The character in the figure's font and colour, drawn once; its pen position lies `pad`
  // points right of its left edge and `pad` plus the ascent below its top.
  const QImage& glyph(QChar c);

  QFont font_;
  AdaptiveColor color_;
  QString widest_;
  QString text_, previous_;
  QString unit_;
  QFont unitFont_;
  AdaptiveColor unitColor_;
  AnimatedValue roll_;  // 0: `previous_` shown, 1: `text_`
  // Qt draws a glyph over 64 pixels as a filled outline on every paint, and hands each large
  // fill to its threads: a big figure keeps its characters as images instead, copied on each
  // frame of a roll.
  bool keepsGlyphs_ = false;
  double pad_ = 0;
  QRgb glyphColour_ = 0;
  double glyphRatio_ = 0;
  std::map<char16_t, QImage> glyphs_;
};

}  // namespace qel
