#pragma once
// Whether the user is at a list whose rows act on processes: the pointer is over it, or the
// keyboard has moved the focus into it. While so, the list holds its order still, so that the
// row under the pointer (or the focus) is the one the user aimed at; `released` says when to
// catch up.
#include <QObject>

class QWidget;

namespace qel {

class ListEngagement : public QObject {
  Q_OBJECT

 public:
  explicit ListEngagement(QWidget* list);

  bool engaged() const;

 signals:
  // The pointer left the list, or the focus went out of it.
  void released();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool focusInside() const;

  QWidget* list_;
  bool hovered_ = false;
};

}  // namespace qel
