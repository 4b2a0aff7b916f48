#pragma once
// The open-source notices: a list of what the program links or bundles, each with its licence
// and a credit, and below it the full licence text of the one selected (the first at opening).
#include <QAbstractButton>

#include "Qel/Sheets/SheetFrame.hpp"

#include <vector>

#include "Qel/Sheets/LicenseNotice.hpp"

class QLabel;

namespace qel {

class NoticeRow;

class LicensesSheet : public SheetFrame {
  Q_OBJECT

 public:
  LicensesSheet(Store& store, const std::vector<LicenseNotice>& notices, QWidget* parent = nullptr);

  int selected() const { return selected_; }
  void select(int index);
  const std::vector<NoticeRow*>& rows() const { return rows_; }
  QLabel* textLabel() const { return text_; }

 private:
  const std::vector<LicenseNotice>& notices_;
  std::vector<NoticeRow*> rows_;
  QLabel* text_ = nullptr;
  int selected_ = -1;
};

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
