#include "Qel/Window/ValueBubble.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {
constexpr double kShadow = 8;  // room around the capsule for its shadow
}

ValueBubble::ValueBubble(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFont(Fonts::text(Type::footnote, QFont::Medium));
  Palette::followAppearance(this);
}

void ValueBubble::setValue(const QString& text, bool warn) {
  if (text == text_ && warn == warn_) return;
  const bool wider = QFontMetricsF(font()).horizontalAdvance(text) != QFontMetricsF(font()).horizontalAdvance(text_);
  text_ = text;
  warn_ = warn;
  if (wider) resize(sizeHint());
  update();
}

QSize ValueBubble::sizeHint() const {
  const QFontMetricsF fm(font());
  return QSize(int(std::ceil(fm.horizontalAdvance(text_) + 18 + 2 * kShadow)),
               int(std::ceil(fm.height() + 8 + 2 * kShadow)));
}

void ValueBubble::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool light = Palette::light();
  const QRectF capsule = QRectF(rect()).adjusted(kShadow, kShadow, -kShadow, -kShadow);
  const double radius = capsule.height() / 2;
  // A soft shadow: a few widening capsules, 2 down.
  for (int i = 3; i >= 1; --i) {
    const QColor shade = Palette::shadow((light ? 0.08 : 0.3) / 4);
    const QRectF r = capsule.adjusted(-i * 1.5, -i * 1.5 + 2, i * 1.5, i * 1.5 + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  }
  p.setBrush(Palette::valueBubbleGround());
  p.setPen(QPen(Palette::wash(0.08), 0.5));
  p.drawRoundedRect(capsule.adjusted(0.25, 0.25, -0.25, -0.25), radius, radius);
  p.setPen(warn_ ? Palette::warnText().resolve() : Palette::secondaryText().resolve());
  p.drawText(capsule, Qt::AlignCenter | Qt::TextSingleLine, text_);
}

}  // namespace qel
