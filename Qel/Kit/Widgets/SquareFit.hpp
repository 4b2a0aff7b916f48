#pragma once
// Gives its content the largest square that fits, centred in the space it is given.
#include <QPointer>
#include <QRectF>
#include <QWidget>

namespace qel {

// The centred square of side min(width, height) inside a rectangle of `size`.
QRectF squareFit(QSizeF size);

class SquareFit : public QWidget {
  Q_OBJECT

 public:
  explicit SquareFit(QWidget* content, QWidget* parent = nullptr);

  QWidget* content() const { return content_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointer<QWidget> content_;
};

}  // namespace qel
