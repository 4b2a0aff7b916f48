#pragma once
// The round icon button of the top bar: a symbol in the secondary text grey on a faint circle
// 34 pixels across (black on a light interface, white on a dark one).
#include <QAbstractButton>

#include <string>

namespace qel {

class CircleIconButton : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int kSize = 34;

  // `symbol` is a symbol name of Glyphs; the tooltip is shown as plain text.
  CircleIconButton(std::string symbol, const QString& toolTip, const QString& accessibleName,
                   QWidget* parent = nullptr);

  const std::string& symbol() const { return symbol_; }
  QSize sizeHint() const override { return {kSize, kSize}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string symbol_;
};

}  // namespace qel
