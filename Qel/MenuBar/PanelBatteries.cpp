#include "Qel/MenuBar/PanelBatteries.hpp"

#include <QHBoxLayout>

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

PanelBatteries::PanelBatteries(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, Space::xs, 0, Space::xs);
  layout->setSpacing(Space::xl);
  layout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void PanelBatteries::setDevices(const std::vector<BTDevice>& devices) {
  // Only the devices with a charge to show get a cell.
  auto readings = deviceReadings(devices);
  if (readings == devices_) return;
  devices_ = std::move(readings);
  rebuild();
}

void PanelBatteries::rebuild() {
  for (auto* cell : cells_) delete cell;
  cells_.clear();
  for (const auto& d : devices_) {
    auto* cell = new PanelBatteryCell(d, this);
    layout()->addWidget(cell);
    cells_.push_back(cell);
  }
  adjustSize();
}

}  // namespace qel
