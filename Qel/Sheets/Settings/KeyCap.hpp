#pragma once
// A key combination drawn as a key cap; a label, not a control.
#include <QWidget>

namespace qel {

class KeyCap : public QWidget {
  Q_OBJECT

 public:
  KeyCap(const QString& keys, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString keys_;
};

}  // namespace qel
