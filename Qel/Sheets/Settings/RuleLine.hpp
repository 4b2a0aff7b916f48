#pragma once
// How an alert rule's row places its parts: its words, its threshold controls and its switch
// side by side, centred on one another. Where the controls would leave the words less than
// `leastWords` (or their longest word), as the long words of some languages do, the controls
// go under the words, ending where they would have ended, and the switch stays beside both.
#include <QLayout>
#include <QList>

namespace qel {

class RuleLine : public QLayout {
 public:
  // `controls` may be null: a rule without a threshold. `spacing` lies between the parts side
  // by side, `lineSpacing` between the words and the controls under them.
  RuleLine(QWidget* texts, QWidget* controls, QWidget* toggle, int spacing, int lineSpacing, int leastWords,
           QWidget* parent);
  ~RuleLine() override;

  // Whether the controls stand under the words at `width` (the row's whole width).
  bool stackedAt(int width) const;

  void addItem(QLayoutItem* item) override;
  int count() const override { return int(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override;
  Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;     // on one line, the words at their own width
  QSize minimumSize() const override;  // the controls under the words
  void setGeometry(const QRect& rect) override;

 private:
  QLayoutItem* texts() const { return items_.value(0); }
  QLayoutItem* controls() const { return items_.size() > 2 ? items_.value(1) : nullptr; }
  QLayoutItem* toggle() const { return items_.value(items_.size() - 1); }
  // The width the controls and the switch take beside the words, gaps included.
  int trailing() const;
  // Places the parts in `rect` (when `apply`) and gives the height they take.
  int arrange(const QRect& rect, bool apply) const;

  QList<QLayoutItem*> items_;
  int spacing_;
  int lineSpacing_;
  int leastWords_;
};

}  // namespace qel
