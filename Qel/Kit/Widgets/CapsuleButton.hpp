#pragma once
// A green capsule with a symbol and a short text, for notices in the top bar ("Update to 1.5.0",
// "What's new"). Its width follows the text; its height is fixed. It comes and goes with a fade
// and a slight scale about its centre.
#include <QAbstractButton>
#include <QVariantAnimation>

#include <string>

namespace qel {

class CapsuleButton : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int kHeight = 34;

  // `symbol` is a symbol name of Glyphs drawn at `symbolSize`; the tooltip is plain text.
  CapsuleButton(std::string symbol, double symbolSize, const QString& toolTip, QWidget* parent = nullptr);

  // Shows the capsule, or takes it away (it is hidden once its exit has played).
  void setPresent(bool on);

  QSize sizeHint() const override;
  // Given less room than its text asks for, the text ends in "…".
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 signals:
  // The exit has played and the capsule is hidden.
  void gone();

 private:
  int symbolWidth() const;

  bool present_ = true;
  double presence_ = 1;  // 0 gone, 1 fully there
  QVariantAnimation animation_;
  std::string symbol_;
  double symbolSize_;
};

}  // namespace qel
