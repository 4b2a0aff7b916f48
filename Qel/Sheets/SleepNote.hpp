#pragma once
// A way from the overview to the sleep report: the note on a sleep selected on the day ring.
// It follows the store.
#include <QAbstractButton>
#include <QWidget>

#include <optional>

#include "Qel/History/SleepSession.hpp"

namespace qel {

class PlainLabel;
class Store;

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
