#pragma once
// A green capsule with a symbol and a short text, for notices in the top bar ("Update to 1.5.0",
// "What's new"). Its width follows the text; its height is fixed.
#include <QAbstractButton>

#include <string>

namespace qel {

class CapsuleButton : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int kHeight = 34;

  // `symbol` is a symbol name of Glyphs drawn at `symbolSize`; the tooltip is plain text.
  CapsuleButton(std::string symbol, double symbolSize, const QString& toolTip, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::string symbol_;
  double symbolSize_;
};

}  // namespace qel
