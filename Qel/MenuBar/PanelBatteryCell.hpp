#pragma once
// One device in the panel's row of connected devices: a small battery ring, its name and its
// charge, which turns hot below 20 %.
#include <QWidget>

#include "Qel/Samplers/BTDevice.hpp"

namespace qel {

class BatteryGauge;
class StableValue;

class PanelBatteryCell : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 168;
  static constexpr int kHeight = 36;

  explicit PanelBatteryCell(const BTDevice& device, QWidget* parent = nullptr);

  BatteryGauge* gauge() const { return gauge_; }
  StableValue* value() const { return value_; }
  // The name as drawn: cut in the middle when it runs past its room.
  QString shownName() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BTDevice device_;
  BatteryGauge* gauge_;
  StableValue* value_;
};

}  // namespace qel
