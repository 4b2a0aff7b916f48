#include "Qel/Platform/Bus/Notifications.hpp"

#include "Qel/Platform/Bus/DBus.hpp"
#include "Qel/Platform/Utf8.hpp"

namespace qel {
namespace {

// Whether the service reads markup in bodies; when it can't say, it is taken to, so a name is
// escaped rather than read as markup.
bool readsMarkup(sd_bus* bus) {
  BusError error;
  auto reply = callMethod(bus, "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                          "org.freedesktop.Notifications", "GetCapabilities", error, "");
  if (!reply || sd_bus_message_enter_container(reply.get(), 'a', "s") < 0) return true;
  const char* capability = nullptr;
  int r = 0;
  while ((r = sd_bus_message_read_basic(reply.get(), 's', &capability)) > 0)
    if (capability && std::string_view(capability) == "body-markup") return true;
  return r < 0;
}

}  // namespace

std::string notificationBody(std::string_view body, bool markup) {
  const std::string text = repairUtf8(body);
  if (!markup) return text;
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

bool postNotification(const std::string& appName, const std::string& title, const std::string& body) {
  auto bus = openBus(BusKind::session);
  if (!bus) return false;
  const std::string summary = repairUtf8(title);  // plain text by the protocol: never escaped
  const std::string text = notificationBody(body, readsMarkup(bus.get()));
  BusError error;
  // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
  auto reply = callMethod(bus.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                          "org.freedesktop.Notifications", "Notify", error, "susssasa{sv}i", appName.c_str(),
                          std::uint32_t(0), "", summary.c_str(), text.c_str(), 0, 0, std::int32_t(-1));
  return reply != nullptr;
}

}  // namespace qel
