#pragma once
// A green capsule with a symbol and a short text, for notices in the top bar ("Update to 1.5.0",
// "What's new"). Its width follows the text; its height is fixed. Where the bar is short of room
// it says less: its brief words ("1.5.0"), or its symbol alone, its text still its name and its
// tool tip still its explanation. It comes and goes with a fade and a slight scale about its
// centre.
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

  enum class Form { full, brief, symbol };
  // The words it shows in its brief form; without them that form shows the symbol alone.
  void setBrief(const QString& words);
  void setForm(Form form);
  Form form() const { return form_; }
  // Its width in `form`.
  int widthAt(Form form) const;
  // The words it shows now.
  QString shownText() const;

  QSize sizeHint() const override;
  // Its symbol alone; given less room than its words ask for, they end in "…".
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 signals:
  // The exit has played and the capsule is hidden.
  void gone();

 private:
  int symbolWidth() const;
  QString wordsAt(Form form) const;

  bool present_ = true;
  double presence_ = 1;  // 0 gone, 1 fully there
  QVariantAnimation animation_;
  std::string symbol_;
  double symbolSize_;
  QString brief_;
  Form form_ = Form::full;
};

}  // namespace qel
