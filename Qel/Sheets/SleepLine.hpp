#pragma once
// A way from the overview to the sleep report: a line about the last long sleep under the status
// chips. It follows the store.
#include <QAbstractButton>

#include <optional>

#include "Qel/History/SleepSession.hpp"

namespace qel {

class Store;

// Moon, the sleep's summary (cut off at the end) and "View"; a click anywhere opens the report.
class SleepLine : public QAbstractButton {
  Q_OBJECT

 public:
  explicit SleepLine(Store& store, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Store& store_;
  std::optional<SleepSession> session_;
};

}  // namespace qel
