#include "Qel/Platform/Bus/UserUnits.hpp"

namespace qel {
namespace {

constexpr const char* kManager = "org.freedesktop.systemd1";
constexpr const char* kManagerPath = "/org/freedesktop/systemd1";
constexpr const char* kManagerInterface = "org.freedesktop.systemd1.Manager";

// The interface that carries a unit's resource settings: its type's.
const char* settingsInterface(const std::string& unit) {
  if (unit.ends_with(".scope")) return "org.freedesktop.systemd1.Scope";
  if (unit.ends_with(".service")) return "org.freedesktop.systemd1.Service";
  if (unit.ends_with(".slice")) return "org.freedesktop.systemd1.Slice";
  return nullptr;
}

}  // namespace

sd_bus* SessionUserUnits::bus() {
  if (!bus_) bus_ = openBus(BusKind::session);
  return bus_.get();
}

std::optional<std::uint64_t> SessionUserUnits::cpuWeight(const std::string& unit) {
  const char* interface = settingsInterface(unit);
  if (!interface || !bus()) return std::nullopt;
  BusError error;
  auto reply = callMethod(bus_.get(), kManager, kManagerPath, kManagerInterface, "GetUnit", error, "s", unit.c_str());
  const char* path = nullptr;
  if (!reply || sd_bus_message_read_basic(reply.get(), 'o', &path) < 0 || !path) {
    if (!error.name().starts_with("org.freedesktop.systemd1.")) bus_.reset();  // the bus itself may be gone
    return std::nullopt;
  }
  const auto value = getProperty(bus_.get(), kManager, path, interface, "CPUWeight");
  if (const auto* weight = value ? std::get_if<std::uint64_t>(&*value) : nullptr) return *weight;
  return std::nullopt;
}

UnitWrite SessionUserUnits::setCpuWeight(const std::string& unit, std::uint64_t weight) {
  if (!bus()) return UnitWrite::failed;
  BusError error;
  // Runtime only: the setting lasts for this session and leaves the unit's own files alone.
  auto reply = callMethod(bus_.get(), kManager, kManagerPath, kManagerInterface, "SetUnitProperties", error,
                          "sba(sv)", unit.c_str(), 1, 1, "CPUWeight", "t", weight);
  if (reply) return UnitWrite::done;
  if (error.name() == "org.freedesktop.systemd1.NoSuchUnit") return UnitWrite::gone;
  if (!error.name().starts_with("org.freedesktop.systemd1.")) bus_.reset();
  return UnitWrite::failed;
}

}  // namespace qel
