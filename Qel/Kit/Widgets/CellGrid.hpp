#pragma once
// Cells in as many columns as the width holds at a least cell width, the columns sharing the
// width equally, so that a narrower card (a wider sidebar in another language) takes fewer
// columns instead of growing past its edge. A row is as tall as its tallest cell at that width.
#include <QLayout>
#include <QList>

namespace qel {

class CellGrid : public QLayout {
 public:
  CellGrid(int leastCellWidth, int spacing, QWidget* parent = nullptr);
  ~CellGrid() override;

  void addItem(QLayoutItem* item) override;
  int count() const override { return int(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;

  // How many columns `width` holds (at least one).
  int columnsAt(int width) const;

  Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;     // six columns at the least width
  QSize minimumSize() const override;  // one column
  void setGeometry(const QRect& rect) override;

 private:
  // Places the cells in `rect` (when `apply`) and gives the height they take.
  int arrange(const QRect& rect, bool apply) const;

  QList<QLayoutItem*> items_;
  int least_;
  int spacing_;
};

}  // namespace qel
