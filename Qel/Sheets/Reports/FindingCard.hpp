#pragma once
// The card of the insight engine's first finding on the overview: its title and explanation,
// "View" while the process still runs, and "Got it", which lets the next finding take its place.
#include <QWidget>

#include "Qel/History/Finding.hpp"
#include "Qel/Store/Parts/InsightActions.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QAbstractButton;

namespace qel {

class PlainLabel;

class FindingCard : public QWidget {
  Q_OBJECT

 public:
  FindingCard(InsightState insights, ProcessState processes, NavigationState navigation, Navigator& navigator,
              InsightActions& actions, QWidget* parent = nullptr);

  QAbstractButton* viewButton() const { return view_; }
  QAbstractButton* gotItButton() const { return gotIt_; }
  // The finding on show; the card has nothing to say while the store has none.
  const std::optional<Finding>& finding() const { return finding_; }
  // Shows `finding` (none: an empty card); the store's first finding is shown on every change.
  void show(const std::optional<Finding>& finding);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void refresh();
  // Whether the process the finding is about still runs (the same pid and start time).
  bool runs() const;

  InsightState insights_;
  ProcessState processes_;
  Navigator& navigator_;
  InsightActions& actions_;
  std::optional<Finding> finding_;
  PlainLabel* title_;
  PlainLabel* detail_;
  QAbstractButton* view_;
  QAbstractButton* gotIt_;
};

}  // namespace qel
