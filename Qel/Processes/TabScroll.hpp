#pragma once
// The process sheet's tab content, as tall as it needs; the part of the sheet that gives way,
// and scrolls, when the window can't be that tall, so nothing below it is ever drawn over.
#include <QScrollArea>

namespace qel {

class TabScroll : public QScrollArea {
 public:
  TabScroll(QWidget* content, int width, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int width_;
};

}  // namespace qel
