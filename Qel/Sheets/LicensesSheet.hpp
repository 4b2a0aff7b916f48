#pragma once
// The open-source notices: a list of what the program links or bundles, each with its licence
// and a credit, and below it the full licence text of the one selected (the first at opening).
#include <vector>

#include "Qel/Sheets/LicenseNotice.hpp"
#include "Qel/Sheets/NoticeRow.hpp"
#include "Qel/Sheets/SheetFrame.hpp"
#include "Qel/Store/Parts/Navigator.hpp"

class QLabel;

namespace qel {

class LicensesSheet : public SheetFrame {
  Q_OBJECT

 public:
  LicensesSheet(NavigationState navigation, Navigator& navigator, const std::vector<LicenseNotice>& notices,
                QWidget* parent = nullptr);

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

}  // namespace qel
