#pragma once
#include <string>
#include <vector>

namespace qel {

// A Bluetooth or wireless device that reports its battery.
struct BTDevice {
  enum class Kind { unknown, headphones, earbuds, chargingCase };

  std::string id;    // stable across samples: "audio:" + address for audio devices, else the name or "unnamed"
  std::string name;  // as the device reports it; empty when it names none
  int percent = 0;   // 0 to 100
  Kind kind = Kind::unknown;

  // The name of the glyph drawn for the device, from its kind, else from words in its name.
  std::string symbolName() const;

  bool operator==(const BTDevice&) const = default;
};

// The devices whose charge lies in 0…100, in the given order.
std::vector<BTDevice> deviceReadings(const std::vector<BTDevice>& devices);

}  // namespace qel
