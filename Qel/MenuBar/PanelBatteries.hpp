#pragma once
// The panel's row of connected devices: per device a small battery ring, its name and its charge,
// which turns hot below 20 %. The panel scrolls the row sideways when it runs past the card.
#include <QWidget>

#include <vector>

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

class PanelBatteries : public QWidget {
  Q_OBJECT

 public:
  explicit PanelBatteries(QWidget* parent = nullptr);

  // Rebuilds the cells when the list changed; an empty list leaves an empty row.
  void setDevices(const std::vector<BTDevice>& devices);
  const std::vector<BTDevice>& devices() const { return devices_; }
  const std::vector<PanelBatteryCell*>& cells() const { return cells_; }

 private:
  void rebuild();

  std::vector<BTDevice> devices_;
  std::vector<PanelBatteryCell*> cells_;
};

}  // namespace qel
