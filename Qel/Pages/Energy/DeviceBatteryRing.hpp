#pragma once
// One connected device's battery: a ring with its charge, its name under it.
#include <QWidget>

#include <string>

namespace qel {

class BatteryGauge;
class StableValue;

class DeviceBatteryRing : public QWidget {
  Q_OBJECT

 public:
  DeviceBatteryRing(const std::string& name, const std::string& symbol, int percent, QWidget* parent = nullptr);

  BatteryGauge* gauge() const { return gauge_; }
  StableValue* value() const { return value_; }

 private:
  BatteryGauge* gauge_;
  StableValue* value_;
};

}  // namespace qel
