#pragma once
// One labelled figure on a faint tile: a small grey title over a value on one line. Tiles side
// by side share their row's width; a value too wide for its tile shrinks, down to 70 % of its
// size, before it is cut off at the end.
#include <QWidget>

namespace qel {

// The pixel size at which `text` fits `room` pixels, from `size` down to 70 % of it in whole
// pixels; the smallest when even that is too wide. Measured with `font` at each size.
int fittedPixelSize(const QFont& font, const QString& text, double room, int size);

class DetailCell : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kValueSize = 18;

  DetailCell(const QString& title, const QString& value, QWidget* parent = nullptr);

  void setValue(const QString& value);
  const QString& title() const { return title_; }
  const QString& value() const { return value_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  QString value_;
};

}  // namespace qel
