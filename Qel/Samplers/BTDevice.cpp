#include "Qel/Samplers/BTDevice.hpp"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "Qel/Platform/Utf8.hpp"

namespace qel {
namespace {

bool containsAny(std::string_view text, std::initializer_list<std::string_view> words) {
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return text.find(w) != text.npos; });
}

}  // namespace

std::string BTDevice::symbolName() const {
  switch (kind) {
    case Kind::earbuds: return "airpodspro";
    case Kind::chargingCase: return "airpodspro.chargingcase.wireless.fill";
    case Kind::headphones: return "headphones";
    case Kind::unknown: break;
  }
  // The Chinese words have no letter case.
  const std::string lower = asciiLower(name);
  if (containsAny(lower, {"trackpad", "touchpad", "触控板", "觸控板"})) return "rectangle.and.hand.point.up.left";
  if (containsAny(lower, {"keyboard", "键盘", "鍵盤"})) return "keyboard";
  if (containsAny(lower, {"mouse", "鼠标", "滑鼠"})) return "magicmouse";
  return "battery.100percent";
}

std::vector<BTDevice> deviceReadings(const std::vector<BTDevice>& devices) {
  std::vector<BTDevice> out;
  for (const auto& d : devices)
    if (d.percent >= 0 && d.percent <= 100) out.push_back(d);
  return out;
}

}  // namespace qel
