#include "Qel/History/WakeKind.hpp"

#include <algorithm>
#include <vector>

#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

struct Keywords {
  WakeKind::Value kind;
  std::vector<std::string_view> words;
};

// Tested in this order: "hid activity" is the lid's before "hid" is a device's.
const std::vector<Keywords> kKeywords{
    {WakeKind::lid, {"lid", "hid activity", "useractivity", "user activity", "pwrbtn", "power button"}},
    {WakeKind::maintenance, {"maintenance", "sleepservice", "rtc", "powernap", "alarm"}},
    {WakeKind::network, {"tcpkeepalive", "wifi", "wi-fi", "wlan", "network", "magic packet", "enet", "bonjour"}},
    {WakeKind::device, {"usb", "xhc", "bluetooth", "thunderbolt", "hid"}},
    {WakeKind::adapter, {"charger", "acattach", "ac attach", "adapter", "magsafe"}},
};

}  // namespace

WakeKind WakeKind::classify(std::string_view reason) {
  const std::string lowered = asciiLower(reason);
  for (const auto& list : kKeywords)
    for (auto word : list.words)
      if (lowered.find(word) != std::string::npos) return list.kind;
  return system;
}

std::optional<WakeKind> WakeKind::fromRaw(int raw) {
  if (raw < 0 || raw > 5) return std::nullopt;
  return WakeKind(Value(raw));
}

std::string WakeKind::title() const {
  switch (value_) {
    case maintenance: return L("Scheduled background maintenance");
    case network: return L("Woken by the network");
    case device: return L("Woken by a USB or Bluetooth device");
    case adapter: return L("Power adapter plugged in or unplugged");
    case lid: return L("Lid opened or a key pressed");
    case system: break;
  }
  return L("Woken by the system");
}

std::string WakeKind::advice() const {
  switch (value_) {
    case maintenance:
      return L("A timer set to wake the computer (an RTC alarm, such as a systemd timer with WakeSystem=true) woke "
               "it for a moment. “systemctl list-timers” lists the timers; turning off the one that wakes it stops "
               "this.");
    case network:
      return L("Something on the network kept waking the computer (wake-on-LAN or wake-on-WLAN). Turning wake-on-LAN "
               "off for the network card, with “ethtool -s <interface> wol d” or in the firmware settings, stops "
               "this.");
    case device:
      return L("A connected USB or Bluetooth device woke the computer. Unplugging it, or turning the device off "
               "overnight, stops this.");
    case adapter:
      return L("Plugging in or unplugging the power adapter wakes the computer for a moment. That is normal.");
    case lid:
      return L("Opening the lid or pressing a key wakes the computer. That is normal.");
    case system: break;
  }
  return L("These wakes came from the firmware or the kernel. The kernel log (“journalctl -k”) and /proc/acpi/wakeup "
           "tell which device may be waking the computer.");
}

}  // namespace qel
