#pragma once
// The panel's "Open Qel": its words on a capsule in the reverse of the panel's colours.
#include <QAbstractButton>

namespace qel {

class OpenButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit OpenButton(const QString& text, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
