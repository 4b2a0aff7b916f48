#pragma once
// The small capsule that hangs under a hovered tab with that tab's number.
#include <QWidget>

namespace qel {

class ValueBubble : public QWidget {
  Q_OBJECT

 public:
  explicit ValueBubble(QWidget* parent = nullptr);

  void setValue(const QString& text, bool warn);
  const QString& text() const { return text_; }
  bool warn() const { return warn_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  bool warn_ = false;
};

}  // namespace qel
