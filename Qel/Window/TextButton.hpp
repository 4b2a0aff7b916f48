#pragma once
// A button that is only its words, in a colour of its own (a page's accent), deepened where it
// would be too faint to read on the window's ground. It shows the keyboard focus.
#include <QAbstractButton>

namespace qel {

class TextButton : public QAbstractButton {
  Q_OBJECT

 public:
  TextButton(const QString& text, const QFont& font, QWidget* parent = nullptr);
  void setColor(const QColor& color);
  const QColor& color() const { return color_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
};

}  // namespace qel
