#pragma once
// A small round button with a symbol on a faint disc; fainter still while disabled. It shows
// the keyboard focus.
#include <QAbstractButton>

#include <string>

namespace qel {

class RoundGlyphButton : public QAbstractButton {
  Q_OBJECT

 public:
  RoundGlyphButton(std::string symbol, double symbolSize, const QString& label, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {24, 24}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string symbol_;
  double symbolSize_;
};

}  // namespace qel
