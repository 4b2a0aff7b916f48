// The grid of equal cells: as many columns as fit at the least width, sharing the width to the
// pixel, each row as tall as its tallest cell at that width.
#include <gtest/gtest.h>

#include <QWidget>

#include "Qel/Kit/Widgets/CellGrid.hpp"

using namespace qel;

namespace {

// A cell whose title wraps below `wrapsBelow` wide.
class Cell : public QWidget {
 public:
  Cell(int wrapsBelow, QWidget* parent) : QWidget(parent), wrapsBelow_(wrapsBelow) {}
  QSize sizeHint() const override { return {84, 50}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width < wrapsBelow_ ? 66 : 50; }

 private:
  int wrapsBelow_;
};

}  // namespace

TEST(CellGrid, takesAsManyColumnsAsFitAndSharesTheWidth) {
  QWidget holder;
  auto* grid = new CellGrid(84, 8, &holder);
  std::vector<Cell*> cells;
  for (int i = 0; i < 15; ++i) {
    cells.push_back(new Cell(i == 14 ? 103 : 0, &holder));
    grid->addWidget(cells.back());
  }
  for (auto [width, columns] : {std::pair{544, 6}, {543, 5}, {84, 1}, {10, 1}})
    EXPECT_EQ(grid->columnsAt(width), columns) << width;

  // Five columns in 539: 507 shared, 101 or 102 a cell, the last ending at the edge.
  grid->setGeometry(QRect(0, 0, 539, grid->heightForWidth(539)));
  EXPECT_EQ(cells[0]->geometry(), QRect(0, 0, 101, 50));
  EXPECT_EQ(cells[4]->geometry().right(), 538);
  EXPECT_EQ(cells[5]->geometry().topLeft(), QPoint(0, 58));
  // The last cell, 102 wide, wraps: its whole row is as tall as it.
  EXPECT_EQ(cells[10]->geometry(), QRect(0, 116, 101, 66));
  EXPECT_EQ(grid->heightForWidth(539), 116 + 66);

  cells[3]->hide();  // a hidden cell leaves no hole
  grid->setGeometry(QRect(0, 0, 539, grid->heightForWidth(539)));
  EXPECT_EQ(cells[4]->x(), cells[2]->geometry().right() + 1 + 8);
}
