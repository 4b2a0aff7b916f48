#pragma once
// The ways from the overview to the sleep report: a line about the last long sleep under the
// status chips, and the note on a sleep selected on the day ring. Both follow the store.
#include <QAbstractButton>

#include <optional>

#include "Qel/History/SleepSession.hpp"

namespace qel {

class Store;

class PlainLabel;

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

// The selected wake and why it happened, or from when to when the machine slept.
class SleepNote : public QWidget {
  Q_OBJECT

 public:
  explicit SleepNote(Store& store, QWidget* parent = nullptr);

  QString headline() const;
  QString detail() const;
  QAbstractButton* reportButton() const { return report_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void refresh();

  Store& store_;
  std::optional<SleepSession> session_;
  std::optional<SleepWake> wake_;
  PlainLabel* headline_;
  PlainLabel* detail_;
  QAbstractButton* report_;
};

}  // namespace qel
