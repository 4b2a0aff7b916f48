#pragma once
// A row of the energy page's list of apps whose quitting would lengthen the battery's runtime.
#include <QAbstractButton>
#include <QIcon>

#include "Qel/History/RuntimeForecast.hpp"

namespace qel {

// The whole row is one button: it opens the app's details, it never quits anything.
class GainRow : public QAbstractButton {
  Q_OBJECT

 public:
  GainRow(RuntimeGain gain, QIcon icon, QWidget* parent = nullptr);
  const RuntimeGain& gain() const { return gain_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RuntimeGain gain_;
  QIcon icon_;
};

}  // namespace qel
