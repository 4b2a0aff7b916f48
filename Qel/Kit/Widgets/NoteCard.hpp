#pragma once
// A card that explains what is selected: a coloured stripe at the leading edge, lines of text
// on the wash, rounded corners. Subclasses fill lines().
#include <QWidget>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

class QVBoxLayout;

namespace qel {

// The card's look on `widget`: the wash with rounded corners and the stripe in `stripe`.
void paintNoteCard(QWidget* widget, const QColor& stripe);

class NoteCard : public QWidget {
  Q_OBJECT

 public:
  NoteCard(AdaptiveColor stripe, int spacing, QWidget* parent = nullptr);
  const AdaptiveColor& stripe() const { return stripe_; }
  static constexpr int kStripe = 3;  // the stripe's width

 protected:
  void paintEvent(QPaintEvent* event) override;
  QVBoxLayout* lines() const { return lines_; }

 private:
  AdaptiveColor stripe_;
  QVBoxLayout* lines_;
};

}  // namespace qel
