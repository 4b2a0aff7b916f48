#include "Qel/Kit/NoteCard.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/Spacing.hpp"

namespace qel {

NoteCard::NoteCard(AdaptiveColor stripe, int spacing, QWidget* parent)
    : QWidget(parent), stripe_(std::move(stripe)), lines_(new QVBoxLayout(this)) {
  lines_->setContentsMargins(Space::lines + Space::card, Space::l, Space::card, Space::l);
  lines_->setSpacing(spacing);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
  Palette::followAppearance(this);
}

void NoteCard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(rect()), Radius::card, Radius::card);
  p.setClipPath(card);
  p.fillRect(rect(), Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.fillRect(QRect(0, 0, 3, height()), stripe_.resolve());
}

}  // namespace qel
