#include "Qel/Kit/Widgets/NoteCard.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

NoteCard::NoteCard(AdaptiveColor stripe, int spacing, QWidget* parent)
    : QWidget(parent), stripe_(std::move(stripe)), lines_(new QVBoxLayout(this)) {
  lines_->setContentsMargins(kStripe + Space::card, Space::l, Space::card, Space::l);
  lines_->setSpacing(spacing);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
  Palette::followAppearance(this);
}

void paintNoteCard(QWidget* widget, const QColor& stripe) {
  QPainter p(widget);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(widget->rect()), Radius::card, Radius::card);
  p.setClipPath(card);
  p.fillRect(widget->rect(), Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.fillRect(QRect(0, 0, NoteCard::kStripe, widget->height()), stripe);
}

void NoteCard::paintEvent(QPaintEvent*) { paintNoteCard(this, stripe_.resolve()); }

}  // namespace qel
