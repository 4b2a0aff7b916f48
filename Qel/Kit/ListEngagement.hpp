#pragma once
// Whether the user is at a list whose rows act on processes: the pointer has moved or pressed
// over it, or the keyboard has moved the focus into it. While so, the list holds its order still,
// so that the row under the pointer (or the focus) is the one the user aimed at; `released` says
// when to catch up. A pointer the list merely finds above it (a sheet or menu over the window
// went away, the window opened under it) is not the user at the list until it moves.
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
  bool inList(const QObject* object) const;
  void leave();

  QWidget* list_;
  bool over_ = false;   // the pointer is over the list
  bool moved_ = false;  // and has moved or pressed there since it came
};

}  // namespace qel
