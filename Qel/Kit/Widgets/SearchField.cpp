#include "Qel/Kit/Widgets/SearchField.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

SearchField::SearchField(const QString& placeholder, int width, QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setFont(Fonts::text(Type::body));
  setPlaceholderText(placeholder);
  setClearButtonEnabled(false);
  setAttribute(Qt::WA_MacShowFocusRect, false);
  // The field draws its own ground below; the style draws only the text and the cursor.
  setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
  // As tall as six points above and below a line of the text font, with the whole height for the
  // text: a script whose glyphs stand taller than the text font's (Chinese, Japanese) is not cut.
  setTextMargins(Space::l, Space::s, Space::l, Space::s);
  setFixedHeight(sizeHint().height());
  setTextMargins(Space::l, 0, Space::l, 0);
  // Wide enough for its placeholder in every language.
  const int placeholderWidth = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(placeholder)));
  setFixedWidth(std::max(width, placeholderWidth + 2 * Space::l + Space::m));
  Palette::useAccentSelection(this);
  // Its words, placeholder included, in the palette's text colours.
  const auto colour = [this] {
    QPalette p = palette();
    p.setColor(QPalette::Text, Palette::primaryText().resolve());
    p.setColor(QPalette::PlaceholderText, Palette::tertiaryText().resolve());
    setPalette(p);
  };
  colour();
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, this, colour);
}

void SearchField::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::adaptiveOpacity(0.06, 0.06).resolve());
    p.drawRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
  }
  QLineEdit::paintEvent(event);
  if (focusRingShown(this)) {
    QPainter p(this);
    paintFocusRing(p, QRectF(rect()), height() / 2.0);
  }
}

}  // namespace qel
