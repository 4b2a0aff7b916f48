#include "Qel/Window/AccentPill.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Window/FocusRing.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Glyphs.hpp"
#include "Qel/Window/Palette.hpp"

namespace qel {

namespace {
constexpr double kIcon = 14;
}

QColor accentPillInk(const QColor& accent, bool light) {
  if (!light) return accent;
  // 55 % of the way to ink: every page accent then reads at 4.5 : 1 or better on its tinted fill.
  const QColor ink = Palette::ink();
  const auto mix = [](int a, int b) { return int(std::lround(a + (b - a) * 0.55)); };
  return QColor(mix(accent.red(), ink.red()), mix(accent.green(), ink.green()), mix(accent.blue(), ink.blue()));
}

AccentPill::AccentPill(std::string symbol, const QString& text, QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)) {
  setText(text);
  setFont(Fonts::text(12, QFont::Medium));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(text);
  Palette::followAppearance(this);
}

void AccentPill::setAccent(const QColor& accent) {
  if (accent == accent_) return;
  accent_ = accent;
  update();
}

QSize AccentPill::sizeHint() const {
  const QFontMetricsF fm(font());
  return {int(std::ceil(12 + kIcon + 6 + fm.horizontalAdvance(text()) + 12)), int(std::ceil(fm.height() + 10))};
}

void AccentPill::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  QColor fill = accent_;
  fill.setAlphaF(0.14f);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  const QColor ink = accentPillInk(accent_, Palette::light());
  Glyphs::draw(p, QRectF(12, 0, kIcon, r.height()), symbol_, kIcon, ink);
  p.setPen(ink);
  p.setFont(font());
  p.drawText(QRectF(12 + kIcon + 6, 0, r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             text());
  if (focusRingShown(this)) paintFocusRing(p, r, r.height() / 2);
}

}  // namespace qel
