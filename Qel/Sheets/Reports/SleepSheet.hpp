#pragma once
// The report on one sleep: what it cost, how that compares with the usual, the charge through
// the night, the main cause of its wakes with advice, every wake, and what held the machine
// awake. It closes by clearing the store's sleep report.
#include "Qel/History/SleepSession.hpp"
#include "Qel/Sheets/Reports/ReportSheet.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/SleepState.hpp"

namespace qel {

class WakeKind;

class SleepSheet : public ReportSheet {
  Q_OBJECT

 public:
  SleepSheet(SleepState sleep, NavigationState navigation, Navigator& navigator, const SleepSession& session,
             QWidget* parent = nullptr);

  QString subtitle() const;
  // The scroll area of the wakes; null when the sleep had none.
  QWidget* wakeList() const { return wakeList_; }

 private:
  void buildSubtitle();
  void buildFigures();
  void buildCause(const WakeKind& kind);
  void buildWakes();

  SleepState sleep_;
  SleepSession session_;
  PlainLabel* subtitle_ = nullptr;
  QWidget* wakeList_ = nullptr;
};

}  // namespace qel
