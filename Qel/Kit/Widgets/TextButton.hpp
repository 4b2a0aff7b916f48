#pragma once
// A button that is only its words, in a text colour of its own (a page's accent as words take
// it), following the appearance. It shows the keyboard focus.
#include <QAbstractButton>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class TextButton : public QAbstractButton {
  Q_OBJECT

 public:
  TextButton(const QString& text, const QFont& font, QWidget* parent = nullptr);
  void setColor(const AdaptiveColor& color);
  const AdaptiveColor& color() const { return color_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AdaptiveColor color_;
};

}  // namespace qel
