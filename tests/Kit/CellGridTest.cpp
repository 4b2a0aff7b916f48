// The grid of equal cells: as many columns as fit at the least width, sharing the width to the
// pixel, rows as tall as their tallest cell at that width.
#include <gtest/gtest.h>

#include <QWidget>

#include "Qel/Kit/Widgets/CellGrid.hpp"

using namespace qel;

namespace {

// A cell whose height grows as it narrows, like a title that wraps.
class Cell : public QWidget {
 public:
  explicit Cell(int tallBelow, QWidget* parent) : QWidget(parent), tallBelow_(tallBelow) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
  }
  QSize sizeHint() const override { return {84, 50}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width < tallBelow_ ? 66 : 50; }

 private:
  int tallBelow_;
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
  struct Row {
    int width, columns;
  };
  for (const Row& row : {Row{544, 6}, Row{543, 5}, Row{539, 5}, Row{84, 1}, Row{10, 1}, Row{700, 7}})
    EXPECT_EQ(grid->columnsAt(row.width), row.columns) << row.width;

  grid->setGeometry(QRect(0, 0, 539, grid->heightForWidth(539)));
  // Five columns: 539 less four gaps is 507, shared 101 or 102 a cell, the last ending at the edge.
  EXPECT_EQ(cells[0]->geometry(), QRect(0, 0, 101, 50));
  EXPECT_EQ(cells[4]->geometry().right(), 538);
  for (int c = 1; c < 5; ++c) EXPECT_EQ(cells[c]->x(), cells[c - 1]->geometry().right() + 1 + 8) << c;
  EXPECT_EQ(cells[5]->geometry().topLeft(), QPoint(0, 58));
  // The third row's last cell, 102 wide, wraps below 103: its row is as tall as it, all the row's cells too.
  EXPECT_EQ(cells[14]->height(), 66);
  EXPECT_EQ(cells[10]->geometry(), QRect(0, 116, 101, 66));
  EXPECT_EQ(grid->heightForWidth(539), 116 + 66);
  EXPECT_EQ(grid->minimumSize().width(), 84);

  cells[3]->hide();  // a hidden cell leaves no hole
  grid->setGeometry(QRect(0, 0, 539, grid->heightForWidth(539)));
  EXPECT_EQ(cells[4]->x(), cells[2]->geometry().right() + 1 + 8);
}
