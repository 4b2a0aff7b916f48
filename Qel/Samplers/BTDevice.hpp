#pragma once
#include <string>

namespace qel {

// A Bluetooth or wireless device that reports its battery.
struct BTDevice {
  enum class Kind { unknown, headphones, earbuds, chargingCase };

  std::string id;    // stable across samples: "audio:" + address for audio devices, else the name
  std::string name;
  int percent = 0;   // 0 to 100
  Kind kind = Kind::unknown;

  // The name of the glyph drawn for the device, from its kind, else from words in its name.
  std::string symbolName() const;

  bool operator==(const BTDevice&) const = default;
};

}  // namespace qel
