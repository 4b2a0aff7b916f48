#pragma once
// What the background tab shows in place of the rules while there are none.
#include <QWidget>

namespace qel {

class NoTameRules : public QWidget {
  Q_OBJECT

 public:
  explicit NoTameRules(QWidget* parent = nullptr);
};

}  // namespace qel
