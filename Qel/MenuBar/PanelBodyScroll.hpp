#pragma once
// The tray panel's sections, scrolled once the card is shorter than they are; it asks for their
// whole height. It shows no scroll bar: the wheel, the keyboard and the focus moving down the
// sections scroll them.
#include <QScrollArea>

#include <utility>
#include <vector>

namespace qel {

// Where the rows (their top and bottom edges, in any order) of what scrolls end in a room `room`
// high without one cut across: the bottom of the last row that ends above the lowest cut at most
// `room` down that crosses none (that cut itself when no row ends above it).
int cutBetweenRows(std::vector<std::pair<int, int>> rows, int room);

class PanelBodyScroll : public QScrollArea {
  Q_OBJECT

 public:
  explicit PanelBodyScroll(QWidget* content);

  // The sections' height at the panel's width, wrapped lines as they really wrap there.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // The tallest height of at most `room` at which the sections, scrolled to their top, end
  // between two of their rows (a tile, a line of text, the day's strip) and cut none across.
  // It lays the sections out at their whole height to find their rows, shown yet or not.
  int heightBetweenRows(int room) const;
};

}  // namespace qel
