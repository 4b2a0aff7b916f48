#pragma once
#include <QAbstractButton>

#include "Qel/Sheets/LicenseNotice.hpp"

namespace qel {

// One notice in the list: a button over its whole rectangle, washed darker when selected.
class NoticeRow : public QAbstractButton {
  Q_OBJECT

 public:
  NoticeRow(const LicenseNotice& notice, QWidget* parent = nullptr);

  void setSelected(bool on);
  bool isSelected() const { return selected_; }
  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool selected_ = false;
};

}  // namespace qel
