#pragma once
// Widgets side by side that go on a new line where the width runs out (a page's big figure with
// its stats beside it, or below it in a narrow window). The items of a line sit on its bottom;
// the last item may keep to the right end of its line. An item wider than the whole row gets
// the row's width (and, where it has one, the height that width asks for). Its contents margins
// frame the lines.
#include <QLayout>
#include <QList>

namespace qel {

class FlowRow : public QLayout {
 public:
  FlowRow(int spacing, int lineSpacing, QWidget* parent = nullptr);
  ~FlowRow() override;

  void addItem(QLayoutItem* item) override;
  void insertWidget(int index, QWidget* widget);
  void setLastAtRightEnd(bool right) { lastRight_ = right; }
  int count() const override { return int(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;

  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;     // every item on one line
  QSize minimumSize() const override;  // the widest item, all on lines of their own
  void setGeometry(const QRect& rect) override;

 private:
  // Places the items in `rect` (when `apply`) and gives the height they take.
  int arrange(const QRect& rect, bool apply) const;

  QList<QLayoutItem*> items_;
  int spacing_;
  int lineSpacing_;
  bool lastRight_ = false;
};

}  // namespace qel
