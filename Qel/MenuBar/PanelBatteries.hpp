#pragma once
// The panel's row of connected devices, a cell each. The panel scrolls the row sideways when it
// runs past the card.
#include <QWidget>

#include <vector>

#include "Qel/MenuBar/PanelBatteryCell.hpp"
#include "Qel/Samplers/BTDevice.hpp"

namespace qel {

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
