#pragma once
// A number that never changes width: the widget is as wide as a sample of the widest text it
// will show, so digits changing every second never move what stands around it. A longer text
// runs past the reserved width (and is cut at the widget's edge) rather than wrapping.
#include <QWidget>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

class StableValue : public QWidget {
  Q_OBJECT

 public:
  StableValue(const QString& text, const QString& widest, Qt::Alignment alignment = Qt::AlignLeading,
              QWidget* parent = nullptr);

  void setText(const QString& text);
  void setColor(AdaptiveColor color);
  const QString& text() const { return text_; }
  const QString& widest() const { return widest_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString text_;
  QString widest_;
  Qt::Alignment alignment_;
  AdaptiveColor color_;
};

}  // namespace qel
