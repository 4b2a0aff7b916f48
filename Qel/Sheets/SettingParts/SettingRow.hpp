#pragma once
#include <QWidget>

namespace qel {

class PlainLabel;

// One labelled setting: title, an optional detail under it, and the control at the trailing
// edge; a hairline along the bottom.
class SettingRow : public QWidget {
  Q_OBJECT

 public:
  SettingRow(const QString& title, const QString& detail, QWidget* control, QWidget* parent = nullptr);

  void setDetail(const QString& detail);
  PlainLabel* titleLabel() const { return title_; }
  QWidget* control() const { return control_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PlainLabel* title_;
  PlainLabel* detail_;
  QWidget* control_;
};

// The hairline under a row: black 5 % on light, white 5 % on dark; none under the last row shown
// in its layout, which the card's own edge closes.
void paintHairline(QWidget* widget);

}  // namespace qel
