#include "Qel/MenuBar/PanelToast.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {
namespace {

constexpr int kShadow = PanelToast::kShadow;
constexpr int kMargin = Space::m;  // the pill keeps this far from the card's edges
constexpr int kPadX = Space::card, kPadY = Space::s;
constexpr int kWrap = Qt::AlignCenter | Qt::TextWordWrap;
QFont toastFont() { return Fonts::text(Type::footnote, QFont::Medium); }

}  // namespace

QRect panelToastFrame(QSize card, QSize toast, std::optional<int> controlsTop) {
  const int w = std::min(toast.width(), card.width());
  const int pillHeight = toast.height() - 2 * kShadow;
  int pillTop = controlsTop ? *controlsTop - PanelToast::kGap - pillHeight : card.height() - PanelToast::kRaise - pillHeight;
  pillTop = std::max(kMargin, std::min(pillTop, card.height() - kMargin - pillHeight));
  return {(card.width() - w) / 2, pillTop - kShadow, w, toast.height()};
}

PanelToast::PanelToast(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void PanelToast::setMessage(const std::optional<QString>& text) {
  if (!text) {
    hide();
    return;
  }
  if (*text != text_) {
    text_ = *text;
    if (parentWidget())
      place(parentWidget()->size());
    else
      resize(sizeHint());
    update();
  }
  show();
  raise();
}

QSize PanelToast::sizeHint() const { return sizeFor(parentWidget() ? parentWidget()->width() : 1 << 20); }

QSize PanelToast::sizeFor(int cardWidth) const {
  // One line where the card holds it; a longer message wraps to the card's width rather than
  // losing its end, since it is often the reason something failed.
  const QFontMetricsF fm(toastFont());
  const double widest = cardWidth - 2 * kShadow - 2 * kPadX;
  const QRectF words = fm.boundingRect(QRectF(0, 0, std::max(widest, 1.0), 1e6), kWrap, text_);
  return {int(std::ceil(words.width())) + 2 * kPadX + 2 * kShadow,
          int(std::ceil(std::max(words.height(), fm.height()))) + 2 * kPadY + 2 * kShadow};
}

void PanelToast::place(QSize card) { setGeometry(panelToastFrame(card, sizeFor(card.width()), controlsTop_)); }

void PanelToast::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF pill = QRectF(rect()).adjusted(kShadow, kShadow, -kShadow, -kShadow);
  const QFontMetricsF fm(toastFont());
  const double r = std::min(pill.height(), fm.height() + 2 * kPadY) / 2;  // a capsule, rounder no more when wrapped
  p.setPen(Qt::NoPen);
  // A soft shadow below the pill, falling off over ten pixels.
  for (int i = 1; i <= 5; ++i) {
    p.setBrush(Palette::shadow(14 / 255.0));
    const double grow = 2.0 * (5 - i);
    p.drawRoundedRect(pill.translated(0, 4).adjusted(-grow / 2, -grow / 2, grow / 2, grow / 2), r + grow / 2, r + grow / 2);
  }
  p.setBrush(Palette::panelPillGround());
  p.drawRoundedRect(pill, r, r);
  p.setFont(toastFont());
  p.setPen(Palette::panelPillText());
  p.drawText(pill.adjusted(kPadX, 0, -kPadX, 0), kWrap, text_);
}

}  // namespace qel
