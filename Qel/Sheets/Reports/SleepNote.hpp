#pragma once
// A way from the overview to the sleep report: the note on a sleep selected on the day ring.
// It follows the store.
#include <QAbstractButton>
#include <QWidget>

#include <optional>

#include "Qel/History/SleepSession.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/SleepState.hpp"

namespace qel {

class PlainLabel;

// The selected wake and why it happened, or from when to when the machine slept.
class SleepNote : public QWidget {
  Q_OBJECT

 public:
  // The selected sleep changes with the day's selection too: `day` is followed for it.
  SleepNote(SleepState sleep, DayState day, NavigationState navigation, Navigator& navigator,
            QWidget* parent = nullptr);

  QString headline() const;
  QString detail() const;
  QAbstractButton* reportButton() const { return report_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void refresh();

  SleepState sleep_;
  NavigationState navigation_;
  Navigator& navigator_;
  std::optional<SleepSession> session_;
  std::optional<SleepWake> wake_;
  PlainLabel* headline_;
  PlainLabel* detail_;
  QAbstractButton* report_;
};

}  // namespace qel
