#include "Qel/Platform/Notifications.hpp"

#include "Qel/Platform/DBus.hpp"

namespace qel {

bool postNotification(const std::string& appName, const std::string& title, const std::string& body) {
  auto bus = openBus(BusKind::session);
  if (!bus) return false;
  BusError error;
  // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
  auto reply = callMethod(bus.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                          "org.freedesktop.Notifications", "Notify", error, "susssasa{sv}i", appName.c_str(),
                          std::uint32_t(0), "", title.c_str(), body.c_str(), 0, 0, std::int32_t(-1));
  return reply != nullptr;
}

}  // namespace qel
