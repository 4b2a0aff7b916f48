#pragma once
// The batteries of connected devices (headphones, keyboards, mice): a ring per device in rows of
// three, scrolling once there are more than two rows. Takes no room when no device reports a
// charge.
#include <QWidget>

#include <string>
#include <vector>

#include "Qel/Pages/Energy/DeviceBatteryRing.hpp"
#include "Qel/Samplers/BTDevice.hpp"

class QGridLayout;
class QScrollArea;

namespace qel {

class DeviceBatteries : public QWidget {
  Q_OBJECT

 public:
  explicit DeviceBatteries(QWidget* parent = nullptr);

  void setDevices(const std::vector<BTDevice>& devices);
  const std::vector<BTDevice>& shown() const { return shown_; }
  const std::vector<DeviceBatteryRing*>& rings() const { return rings_; }
  // The scroll box around the rings; shown only from seven devices on.
  QScrollArea* scroller() const { return scroll_; }

 private:
  std::vector<BTDevice> shown_;
  std::vector<DeviceBatteryRing*> rings_;
  QWidget* grid_;
  QGridLayout* gridLayout_;
  QScrollArea* scroll_;
};

}  // namespace qel
