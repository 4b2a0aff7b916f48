#pragma once
// A way from the overview to the sleep report: a line about the last long sleep under the status
// chips. It follows the store.
#include <QAbstractButton>

#include <optional>

#include "Qel/History/SleepSession.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/SleepState.hpp"

namespace qel {

// Moon, the sleep's summary (cut off at the end) and "View"; a click anywhere opens the report.
class SleepLine : public QAbstractButton {
  Q_OBJECT

 public:
  SleepLine(SleepState sleep, NavigationState navigation, Navigator& navigator, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SleepState sleep_;
  NavigationState navigation_;
  Navigator& navigator_;
  std::optional<SleepSession> session_;
};

}  // namespace qel
