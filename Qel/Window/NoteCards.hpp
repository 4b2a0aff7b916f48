#pragma once
// The cards that explain what is selected on the ring: a coloured stripe at the leading edge,
// lines of text on the wash, rounded corners. EventNote explains a day event (with the mark
// just before it); MarkNote lists the first four marks of a slot.
#include <QWidget>

#include <optional>
#include <vector>

#include "Qel/History/DayEvent.hpp"
#include "Qel/History/DayMark.hpp"
#include "Qel/Window/AdaptiveColor.hpp"

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

class EventNote : public NoteCard {
  Q_OBJECT

 public:
  EventNote(const DayEvent& event, const std::string& time, const std::optional<DayMark>& before,
            QWidget* parent = nullptr);
};

class MarkNote : public NoteCard {
  Q_OBJECT

 public:
  static constexpr int kMostLines = 4;
  explicit MarkNote(const std::vector<DayMark>& marks, QWidget* parent = nullptr);
};

}  // namespace qel
