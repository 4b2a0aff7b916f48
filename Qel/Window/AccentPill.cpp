#include "Qel/Window/AccentPill.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {
constexpr double kIcon = 14;
}

AccentPill::AccentPill(std::string symbol, const QString& text, QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)) {
  setText(text);
  setFont(Fonts::text(Type::footnote, QFont::Medium));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(text);
  Palette::followAppearance(this);
}

void AccentPill::setPage(Page page) {
  if (page == page_) return;
  page_ = page;
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
  QColor fill = accent(page_);
  fill.setAlphaF(0.14f);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  const QColor ink = accentText(page_).resolve();
  Glyphs::draw(p, QRectF(12, 0, kIcon, r.height()), symbol_, kIcon, ink);
  p.setPen(ink);
  p.setFont(font());
  p.drawText(QRectF(12 + kIcon + 6, 0, r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             text());
  if (focusRingShown(this)) paintFocusRing(p, r, r.height() / 2);
}

}  // namespace qel
