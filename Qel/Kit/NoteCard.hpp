#pragma once
// A card that explains what is selected: a coloured stripe at the leading edge, lines of text
// on the wash, rounded corners. Subclasses fill lines().
#include <QWidget>

#include "Qel/Kit/AdaptiveColor.hpp"

class QVBoxLayout;

namespace qel {

class NoteCard : public QWidget {
  Q_OBJECT

 public:
  NoteCard(AdaptiveColor stripe, int spacing, QWidget* parent = nullptr);
  const AdaptiveColor& stripe() const { return stripe_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  QVBoxLayout* lines() const { return lines_; }

 private:
  AdaptiveColor stripe_;
  QVBoxLayout* lines_;
};

}  // namespace qel
