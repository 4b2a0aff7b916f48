#pragma once
// A small square of a layer's colour before a legend name.
#include <QColor>
#include <QWidget>

namespace qel {

class LegendSwatch : public QWidget {
 public:
  LegendSwatch(QColor colour, QWidget* parent = nullptr);

  static constexpr int kSide = 8;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace qel
