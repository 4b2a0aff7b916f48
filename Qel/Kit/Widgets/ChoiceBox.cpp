#include "Qel/Kit/Widgets/ChoiceBox.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

namespace {
constexpr double kPadX = Space::l, kChevron = 14, kGap = Space::s;
constexpr double kPadY = Space::s;
}

ChoiceBox::ChoiceBox(double pixelSize, QWidget* parent) : QComboBox(parent) {
  setFont(Fonts::text(pixelSize));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  Palette::followAppearance(this);
}

QSize ChoiceBox::sizeHint() const {
  const QFontMetricsF fm(font());
  double widest = 0;
  for (int i = 0; i < count(); ++i) widest = std::max(widest, fm.horizontalAdvance(itemText(i)));
  return {int(std::ceil(kPadX + widest + kGap + kChevron + kPadX)), int(std::ceil(fm.height() + 2 * kPadY))};
}

QSize ChoiceBox::minimumSizeHint() const { return {int(2 * kPadX + kChevron), sizeHint().height()}; }

void ChoiceBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) p.setOpacity(0.45);
  const QRectF box(rect());
  const double r = box.height() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.07, 0.08).resolve());
  p.drawRoundedRect(box, r, r);
  const QRectF words(kPadX, 0, box.width() - 2 * kPadX - kGap - kChevron, box.height());
  p.setFont(font());
  p.setPen(Palette::primaryText().resolve());
  p.drawText(words, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             QFontMetricsF(font()).elidedText(currentIndex() < 0 ? placeholderText() : currentText(), Qt::ElideRight,
                                              words.width()));
  Glyphs::draw(p, QRectF(box.width() - kPadX - kChevron, 0, kChevron, box.height()), "chevron.up.chevron.down",
               kChevron, Palette::secondaryText().resolve());
  if (focusRingShown(this)) paintFocusRing(p, box, r);
}

}  // namespace qel
