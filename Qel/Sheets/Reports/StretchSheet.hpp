#pragma once
// The report on one recorded stretch (a "mark"): its name, when it ran and how its load compares
// with the usual, its figures, its CPU chart, the apps that used the most, and the other marks of
// that day. Return in the name field saves the name; closing (Escape, the close button, Done, or
// Return elsewhere) saves it first; picking another mark saves it and shows that one; deleting
// does not save.
#include <QAbstractButton>
#include <QLineEdit>

#include <vector>

#include "Qel/History/Stretch.hpp"
#include "Qel/Sheets/Reports/OtherMarkRow.hpp"
#include "Qel/Sheets/Reports/ReportSheet.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/StretchActions.hpp"
#include "Qel/Store/Parts/StretchState.hpp"

namespace qel {

class StretchSheet : public ReportSheet {
  Q_OBJECT

 public:
  StretchSheet(StretchState stretches, NavigationState navigation, Navigator& navigator, StretchActions& actions,
               const Stretch& stretch, QWidget* parent = nullptr);

  QLineEdit* nameField() const { return name_; }
  QString subtitle() const;
  QAbstractButton* deleteButton() const { return delete_; }
  // The rows of "Who used the most", in order; none when the stretch has no apps.
  const std::vector<QWidget*>& appRows() const { return appRows_; }
  const std::vector<OtherMarkRow*>& otherRows() const { return otherRows_; }
  // The scroll area of the other marks; null when the day has no other mark.
  QWidget* otherList() const { return otherList_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void returnPressed(QObject* receiver) override;

 private:
  void buildHeading();
  void buildFigures();
  void buildApps();
  void buildOtherMarks(const std::vector<Stretch>& others);
  void buildFooter();
  void save();

  StretchState stretches_;
  NavigationState navigation_;
  Navigator& navigator_;
  StretchActions& actions_;
  Stretch stretch_;
  QLineEdit* name_ = nullptr;
  PlainLabel* subtitle_ = nullptr;
  QAbstractButton* delete_ = nullptr;
  std::vector<QWidget*> appRows_;
  std::vector<OtherMarkRow*> otherRows_;
  QWidget* otherList_ = nullptr;
};

}  // namespace qel
